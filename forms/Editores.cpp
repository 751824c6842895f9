// Os editores prontos: uma linha por janela. Os números de NumerosJanelas que não
// estão aqui são servidos pela janela genérica.
#include "Registro.h"
#include "TabelaContatos.h"
#include "TabelaDepartamentos.h"
#include "TabelaDocenteCategorias.h"
#include "TabelaDocentes.h"

namespace {
template <class Janela> void registrar(int numero)
{
    Registro::DefinirFabrica(numero, [](QWidget *pai) { return new Janela(pai); });
}
} // namespace

void Registro::RegistrarEditores()
{
    registrar<TFormTabelaDepartamentos>(10);
    registrar<TFormTabelaDocentes>(11);
    registrar<TFormTabelaDocenteCategorias>(13);
    registrar<TFormTabelaTelefonesDepartamentos>(16);
    registrar<TFormTabelaTelefonesDocentes>(17);
    registrar<TFormTabelaEmailsDepartamentos>(22);
    registrar<TFormTabelaEmailsSecoes>(23);
    registrar<TFormTabelaTelefonesSecoes>(24);
    registrar<TFormTabelaEmailsDocentes>(25);
}
