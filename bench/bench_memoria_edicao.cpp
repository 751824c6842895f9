// Memória de um ciclo de edição: na janela dos departamentos, Modificar, um nome novo no
// campo, Aceitar (a linha e o texto longo gravados numa transação, a lista relida), muitas
// vezes seguidas, no SQLite e num PostgreSQL local descartável. Depois de um aquecimento,
// mostra quanto cresceram os blocos vivos do alocador e a memória residente, no total e
// por ciclo, e o tempo dos primeiros e dos últimos ciclos (um vazamento também deixa o
// ciclo mais lento). O registro de eventos em memória é esvaziado a cada ciclo: o da
// janela principal tem o seu próprio limite de linhas.
// Uso: bench_memoria_edicao [ciclos]   (veja bench/README.md)
#include "BancoTeste.h"
#include "Medidas.h"
#include "Registro.h"
#include "SaidaMemoria.h"
#include "Tabela.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
// Memória residente do processo, em KiB (/proc/self/statm).
long Residente()
{
    QFile f(u"/proc/self/statm"_s);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.value(1).toLong() * 4;
}

bool medirMotor(Motor motor, int ciclos, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    BancoTeste *banco = Medidas::Preparar(motor, true);
    if (!banco)
        return false;
    TFormTabela *j = Registro::Janela(10);
    if (!Medidas::Exibir(j)) {
        std::fprintf(stderr, "%s: a janela não apareceu\n", nome);
        return false;
    }
    auto *campo = j->Controle<QLineEdit>(u"EditNome"_s);
    auto *memo = j->Controle<QPlainTextEdit>(u"MemoDescricao"_s);
    const QString original = campo->text();
    int falhas = 0;
    const auto ciclo = [&](int i) {
        saida.Limpar();
        j->BitBtnModificar->click();
        campo->setText(original + u' ' + QString::number(i % 2));
        memo->setPlainText(u"Texto do ciclo "_s + QString::number(i % 2));
        j->BitBtnAceitar->click();
        QApplication::processEvents();
        if (j->Modo != ModoTabela::Consultando) {
            ++falhas;
            j->BitBtnCancelar->click();
        }
    };
    const int aquecimento = 200;
    for (int i = 0; i < aquecimento; ++i)
        ciclo(i);
    const long usoAntes = Medidas::EmUso();
    const long residenteAntes = Residente();
    const int bloco = std::max(1, std::min(100, ciclos / 10));
    QElapsedTimer relogio;
    double primeiros = 0;
    double ultimos = 0;
    for (int i = 0; i < ciclos; ++i) {
        if (i == 0 || i == ciclos - bloco)
            relogio.start();
        ciclo(i);
        if (i == bloco - 1)
            primeiros = relogio.nsecsElapsed() / 1e6 / bloco;
        if (i == ciclos - 1)
            ultimos = relogio.nsecsElapsed() / 1e6 / bloco;
    }
    const long uso = Medidas::EmUso() - usoAntes;
    const long residente = Residente() - residenteAntes;
    std::printf("%-11s %d ciclos depois de %d de aquecimento: alocador %+ld KiB (%.2f KiB por "
                "ciclo), residente %+ld KiB; ciclo %.2f ms nos primeiros %d, %.2f ms nos "
                "últimos; falhas: %d; erros no registro: %s\n",
        nome, ciclos, aquecimento, uso, double(uso) / ciclos, residente, primeiros, bloco, ultimos,
        falhas, Medidas::ErrosNoRegistro(saida) ? "sim" : "não");
    j->hide();
    Registro::DestruirJanelas();
    banco->Desconectar();
    return falhas == 0;
}
} // namespace

int main(int argc, char **argv)
{
    return Medidas::Rodar(argc, argv, 2000, medirMotor);
}
