// Janelas da organização: a primeira exibição de cada uma (seções e diretoria,
// funcionários, assistências, centros, docentes de um centro, imagens, publicações e
// pós-graduações de um docente) sobre os dados de demonstração, do show() até a janela
// pintada, e MostrarRegistro de uma linha das seções (as sete pesquisas), no SQLite e num
// PostgreSQL local descartável. Mostra a mediana, o menor e o percentil 90.
// Uso: bench_organizacao [repetições]   (veja bench/README.md)
#include "BancoTeste.h"
#include "Medidas.h"
#include "Mensagens.h"
#include "Registro.h"
#include "SaidaMemoria.h"
#include "Tabela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
using Medidas::Escrever;
using Medidas::Medida;
using Medidas::Medir;

// Uma janela e, para as filhas de uma linha, a linha-mãe que a abre.
struct Alvo {
    int numero;
    int janelaPai = 0;
    QString idPai = {};
};

bool medirMotor(Motor motor, int repeticoes, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    BancoTeste *banco = Medidas::Preparar(motor, true);
    if (!banco)
        return false;
    BancoTeste &b = *banco;
    bool ok = true;
    const QList<Alvo> alvos = { { 21 }, { 27 }, { 73 }, { 30 }, { 31, 30, u"2"_s }, { 71 },
        { 26, 11, u"2"_s }, { 76, 11, u"6"_s } };
    for (const Alvo &a : alvos) {
        // Cada repetição é uma primeira exibição: a janela criada de novo, escondida, como
        // no início do programa; mede-se do show() (a ação do menu) até a janela pintada.
        TFormTabela *janela = nullptr;
        int linhas = 0;
        const Medida m = Medir(
            repeticoes, saida,
            [&] {
                Registro::DestruirJanelas();
                janela = Registro::Janela(a.numero);
                if (a.janelaPai)
                    janela->DefinirPai(a.idPai, Registro::Janela(a.janelaPai)->NomePorId(a.idPai));
            },
            [&] {
                ok = Medidas::Exibir(janela) && ok;
                linhas = janela->Query->RecordCount();
                janela->hide();
            });
        Escrever(nome, u"primeira exibição da %1 (%2 linhas)"_s.arg(a.numero).arg(linhas), m);
        if (linhas == 0 || Medidas::ErrosNoRegistro(saida)) {
            std::fprintf(stderr, "%s: janela %d sem linhas ou com erro\n", nome, a.numero);
            ok = false;
        }
    }

    Registro::DestruirJanelas();
    TFormTabela *secoes = Registro::Janela(21);
    secoes->show();
    const auto linhaDe = [&](const QString &id) {
        for (secoes->Query->First(); !secoes->Query->Eof(); secoes->Query->Next())
            if (secoes->Query->AsString(u"Id"_s) == id)
                return secoes->Query->RecNo();
        return -1;
    };
    // A seção 3 (assistência, imagem, chefe docente, chefe e encarregado) e a diretoria
    // (imagem, diretor e vice-diretor): as sete pesquisas da janela.
    for (const auto &[id, oQue] : { std::pair { u"3"_s, u"MostrarRegistro de uma seção"_s },
             std::pair { u"2"_s, u"MostrarRegistro da diretoria"_s } }) {
        const int linha = linhaDe(id);
        if (linha < 0) {
            std::fprintf(stderr, "%s: seção %s não listada\n", nome, qPrintable(id));
            ok = false;
            continue;
        }
        secoes->Query->MoverPara(linha);
        for (int i = 0; i < 20; ++i) // aquecimento
            secoes->MostrarRegistro();
        Escrever(nome, oQue,
            Medir(
                repeticoes, saida, [] {}, [&] { secoes->MostrarRegistro(); }));
        if (Medidas::ErrosNoRegistro(saida))
            ok = false;
    }
    // O que foi medido leu de fato os nomes.
    secoes->Query->MoverPara(linhaDe(u"3"_s));
    secoes->MostrarRegistro();
    std::printf("%-11s conferido: seção 3 com chefe docente \"%s\", assistência \"%s\"\n", nome,
        qPrintable(secoes->Texto(u"EditChefeDocente_Nome"_s)),
        qPrintable(secoes->Texto(u"EditAssistencia_Nome"_s)));
    secoes->hide();
    Registro::DestruirJanelas();
    b.Desconectar();
    return ok;
}
} // namespace

int main(int argc, char **argv)
{
    return Medidas::Rodar(argc, argv, 50, medirMotor);
}
