// Tempo das janelas do ensino: MostrarRegistro de uma disciplina (a linha, o nome do
// departamento e os oito textos longos) e de uma disciplina oferecida (36 colunas, os
// nomes do programa), e a primeira exibição da janela das disciplinas (os controles
// feitos no primeiro uso, a contagem, as modalidades, a lista e o primeiro registro), no
// SQLite e num PostgreSQL local descartável. Mostra a mediana, o menor e o percentil 90.
// Uso: bench_mostrar_ensino [repetições]   (veja bench/README.md)
#include "BancoTeste.h"
#include "Medidas.h"
#include "Mensagens.h"
#include "Registro.h"
#include "SaidaMemoria.h"
#include "TabelaDisciplinas.h"
#include "TabelaDisciplinasOferecidas.h"

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
    const auto nada = [] {};
    // A primeira exibição: a janela criada (escondida, como no início do programa) e
    // mostrada até pintar.
    TFormTabela *disciplinas = nullptr;
    const int primeiras = std::max(5, repeticoes / 20);
    Escrever(nome, "primeira exibição das disciplinas",
        Medir(
            primeiras, saida,
            [&] {
                Registro::DestruirJanelas();
                disciplinas = Registro::Janela(32);
            },
            [&] {
                disciplinas->show();
                QApplication::processEvents();
            }));
    // A disciplina 5: departamento, modalidade e os oito textos preenchidos.
    if (!Medidas::IrPara(disciplinas, u"5"_s)) {
        std::fprintf(stderr, "%s: disciplina 5 não listada\n", nome);
        return false;
    }
    for (int i = 0; i < 20; ++i) // aquecimento
        disciplinas->MostrarRegistro();
    Escrever(nome, "MostrarRegistro disciplina (1 nome, 8 textos)",
        Medir(repeticoes, saida, nada, [&] { disciplinas->MostrarRegistro(); }));
    // A oferta 3: graduação "[vazio]" e pós-graduação, um horário.
    auto *oferecidas = qobject_cast<TFormTabelaDisciplinasOferecidas *>(Registro::Janela(34));
    oferecidas->DefinirPai(u"4"_s, u"Tópicos em Ecologia de Riachos"_s);
    oferecidas->show();
    if (!Medidas::IrPara(oferecidas, u"3"_s)) {
        std::fprintf(stderr, "%s: oferta 3 não listada\n", nome);
        return false;
    }
    for (int i = 0; i < 20; ++i)
        oferecidas->MostrarRegistro();
    Escrever(nome, "MostrarRegistro oferecida (36 colunas)",
        Medir(repeticoes, saida, nada, [&] { oferecidas->MostrarRegistro(); }));
    // O que foi medido leu de fato, sem erros no registro.
    disciplinas->MostrarRegistro();
    oferecidas->MostrarRegistro();
    const bool erro = Medidas::ErrosNoRegistro(saida);
    std::printf("%-11s conferido: \"%s\" do departamento \"%s\", bibliografia com %d "
                "caracteres; oferta da \"%s\" às \"%s\"; erros no registro: %s\n",
        nome, qPrintable(disciplinas->Texto(u"EditNome"_s)),
        qPrintable(disciplinas->Texto(u"EditDepartamento_Nome"_s)),
        int(disciplinas->Texto(u"MemoBibliografia"_s).size()),
        qPrintable(oferecidas->Texto(u"EditPosgraduacao_Nome"_s)),
        qPrintable(oferecidas->Texto(u"EditSemana"_s)), erro ? "sim" : "não");
    oferecidas->hide();
    disciplinas->hide();
    Registro::DestruirJanelas();
    b.Desconectar();
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    return Medidas::Rodar(argc, argv, 500, medirMotor);
}
