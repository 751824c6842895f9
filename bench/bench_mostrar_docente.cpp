// Tempo de mostrar um docente: MostrarRegistro da janela de docentes sobre uma linha dos
// dados de demonstração (nomes do departamento, da categoria e da imagem, e os três
// textos longos), no SQLite e num PostgreSQL local descartável. Mostra a mediana, o
// menor e o percentil 90 de muitas repetições, e o mesmo para uma só consulta de nome
// e uma só leitura de texto longo.
// Uso: bench_mostrar_docente [repetições]   (veja bench/README.md)
#include "BancoTeste.h"
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
struct Medida {
    double mediana, menor, p90;
};

Medida medir(int repeticoes, SaidaMemoria &saida, const std::function<void()> &acao)
{
    QList<double> ms;
    for (int i = 0; i < repeticoes; ++i) {
        saida.Limpar();
        QElapsedTimer t;
        t.start();
        acao();
        ms << t.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return { ms.at(ms.size() / 2), ms.first(), ms.at(ms.size() * 9 / 10) };
}

void escrever(const char *motor, const char *oQue, const Medida &m)
{
    std::printf("%-11s %-34s mediana %7.3f ms   menor %7.3f ms   p90 %7.3f ms\n", motor, oQue,
        m.mediana, m.menor, m.p90);
}

bool medirMotor(Motor motor, int repeticoes, SaidaMemoria &saida)
{
    const char *nome = motor == Motor::SQLite ? "SQLite" : "PostgreSQL";
    BancoTeste &b = BancoTeste::De(motor);
    if (!b.Pronto()) {
        std::fprintf(stderr, "%s: %s\n", nome, qPrintable(b.Erro()));
        return false;
    }
    b.Reiniciar(true);
    if (const QString erro = b.Conectar(1); !erro.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", nome, qPrintable(erro));
        return false;
    }
    TFormTabela *docentes = Registro::Janela(11);
    docentes->show();
    // O docente 6: departamento, categoria, imagem e os três textos preenchidos.
    int linha = -1;
    for (docentes->Query->First(); !docentes->Query->Eof(); docentes->Query->Next())
        if (docentes->Query->AsString(u"Id"_s) == u"6"_s)
            linha = docentes->Query->RecNo();
    if (linha < 0) {
        std::fprintf(stderr, "%s: docente 6 não listado\n", nome);
        return false;
    }
    docentes->Query->MoverPara(linha);
    for (int i = 0; i < 20; ++i) // aquecimento
        docentes->MostrarRegistro();
    escrever(nome, "MostrarRegistro (3 nomes, 3 textos)",
        medir(repeticoes, saida, [&] { docentes->MostrarRegistro(); }));
    TFormTabela *departamentos = Registro::Janela(10);
    escrever(nome, "  um NomePorId",
        medir(repeticoes, saida, [&] { departamentos->NomePorId(u"3"_s); }));
    QString texto;
    escrever(nome, "  um MostrarCampoDescricao",
        medir(repeticoes, saida, [&] { MostrarCampoDescricao(u"6"_s, 42, texto, u"Docente"_s); }));
    // O que foi medido leu de fato: nomes e textos como gravados, sem erros no registro.
    docentes->MostrarRegistro();
    const QString depto = docentes->Texto(u"EditDepartamento_Nome"_s);
    const QString area = docentes->Texto(u"MemoPesquisaArea"_s);
    bool erro = false;
    for (const auto &l : saida.linhas)
        erro = erro || l.texto.contains(u"erro"_s);
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
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeticoes = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 500;
    SaidaMemoria saida;
    InstalarSaidaEventos(&saida);
    Mensagens::Instalar([](TipoMensagem, const QString &texto) {
        std::fprintf(stderr, "mensagem: %s\n", qPrintable(texto));
        return false;
    });
    std::printf("%d repetições de cada medida\n", repeticoes);
    bool ok = medirMotor(Motor::SQLite, repeticoes, saida);
    ok = medirMotor(Motor::PostgreSQL, repeticoes, saida) && ok;
    InstalarSaidaEventos(nullptr);
    return ok ? 0 : 1;
}
