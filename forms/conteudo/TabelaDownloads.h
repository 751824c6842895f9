#pragma once
// Downloads (tabela 41): o material oferecido para baixar na área pública da página: nome,
// arquivo ou endereço completo, categoria (lista lida uma vez da tabela de códigos 60),
// descrição, tamanho, versão, copyright, data e, se for o caso, o departamento, a seção ou
// a assistência a que pertence. A janela não lê nem envia o arquivo: um aviso fixo lembra
// que ele vai ao webmaster. Os níveis de departamento (3..6) veem só as linhas do seu
// departamento.
#include "Tabela.h"

class TFormTabelaDownloads : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaDownloads(QWidget *parent = nullptr);

protected:
    void MontarControles() override; // o botão "Verificar endereços"
};
