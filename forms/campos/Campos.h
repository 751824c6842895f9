#pragma once
// As espécies de campo das janelas de tabela (um arquivo por espécie nesta pasta).
#include "CampoData.h"
#include "CampoDataHora.h"
#include "CampoHora.h"
#include "CampoLista.h"
#include "CampoMarcacao.h"
#include "CampoMascara.h"
#include "CampoMemo.h"
#include "CampoPesquisa.h"
#include "CampoSpin.h"
#include "CampoTexto.h"
