// Tempo de mostrar um docente: MostrarRegistro da janela de docentes sobre uma linha dos
// dados de demonstração (nomes do departamento, da categoria e da imagem, e os três
// textos longos), no SQLite e num PostgreSQL local descartável. Mostra a mediana, o
// menor e o percentil 90 de muitas repetições, e o mesmo para uma só consulta de nome
// e uma só leitura de texto longo.
// Uso: bench_mostrar_docente [repetições]   (veja bench/README.md)
#include "BancoTeste.h"
#include "Medidas.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "SaidaMemoria.h"
#include "Servidor.h"
#include "Tabela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
using Medidas::Escrever;
using Medidas::Medida;
using Medidas::Medir;

bool medirMotor(Motor motor, int repeticoes, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    BancoTeste *banco = Medidas::Preparar(motor, true);
    if (!banco)
        return false;
    BancoTeste &b = *banco;
    TFormTabela *docentes = Registro::Janela(11);
    docentes->show();
    // O docente 6: departamento, categoria, imagem e os três textos preenchidos.
    if (!Medidas::IrPara(docentes, u"6"_s)) {
        std::fprintf(stderr, "%s: docente 6 não listado\n", nome);
        return false;
    }
    for (int i = 0; i < 20; ++i) // aquecimento
        docentes->MostrarRegistro();
    Escrever(nome, "MostrarRegistro (3 nomes, 3 textos)",
        Medir(repeticoes, saida, [&] { docentes->MostrarRegistro(); }));
    TFormTabela *departamentos = Registro::Janela(10);
    Escrever(nome, "  um NomePorId",
        Medir(repeticoes, saida, [&] { departamentos->NomePorId(u"3"_s); }));
    QString texto;
    Escrever(nome, "  um MostrarCampoDescricao",
        Medir(repeticoes, saida, [&] { MostrarCampoDescricao(u"6"_s, 42, texto, u"Docente"_s); }));
    // O que foi medido leu de fato: nomes e textos como gravados, sem erros no registro.
    docentes->MostrarRegistro();
    const QString depto = docentes->Texto(u"EditDepartamento_Nome"_s);
    const QString area = docentes->Texto(u"MemoPesquisaArea"_s);
    const bool erro = Medidas::ErrosNoRegistro(saida);
    std::printf("%-11s conferido: departamento \"%s\", área de pesquisa com %d caracteres, "
                "texto do nome %d, erros no registro: %s\n",
        nome, qPrintable(depto), int(area.size()), int(departamentos->NomePorId(u"3"_s).size()),
        erro ? "sim" : "não");
    docentes->hide();
    Registro::DestruirJanelas();
    b.Desconectar();
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    return Medidas::Rodar(argc, argv, 500, medirMotor);
}
