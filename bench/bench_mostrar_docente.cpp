// Tempo de mostrar um docente: MostrarRegistro da janela de docentes sobre uma linha dos
// dados de demonstração (nomes do departamento, da categoria e da imagem, e os três
// textos longos), no SQLite e num PostgreSQL local descartável, com os docentes da
// demonstração ou com mais tantos (cada um com os seus três textos longos). Mostra a
// mediana, o menor e o percentil 90 de muitas repetições, e o mesmo para uma só consulta
// de nome e uma só leitura de texto longo; ao lado, o cliente do motor rodando as mesmas
// seis consultas.
// Uso: bench_mostrar_docente [repetições] [docentes a mais]   (veja bench/README.md)
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

// Os docentes a mais e os seus três textos longos, sem histórico (só o que é medido
// grava nele).
bool encher(BancoTeste &b, Motor motor, int docentes)
{
    if (docentes <= 0)
        return true;
    Medidas::GatilhosHistorico gatilhos(b);
    bool ok = gatilhos.Ligar(false) && b.Executar(Medidas::InserirDocentes(motor, docentes));
    for (const QString &t :
        { u"DocentesPesquisaArea"_s, u"DocentesPesquisaLinha"_s, u"DocentesObservacao"_s })
        ok = ok
            && b.Executar(u"INSERT INTO %1 (Docente, Texto) SELECT Id, 'Texto do docente ' || "
                          "Id FROM Docentes WHERE Nome LIKE 'Docente %'"_s.arg(t));
    if (!ok)
        std::fprintf(stderr, "%s\n", qPrintable(b.UltimoErro()));
    gatilhos.Ligar(true);
    if (motor == Motor::PostgreSQL)
        b.Executar(u"VACUUM ANALYZE"_s);
    return ok;
}

// As seis consultas de MostrarRegistro (três nomes e três textos longos do docente 6)
// rodadas pelo cliente do motor: ms por repetição, descontado o início do cliente.
double cliente(BancoTeste &b, int repeticoes)
{
    QString uma;
    for (const QString &c : { u"SELECT * FROM Departamentos WHERE Id=(SELECT Departamento FROM "
                              "Docentes WHERE Id=6)"_s,
             u"SELECT * FROM DocenteCategorias WHERE Id=(SELECT Categoria FROM Docentes WHERE "
             "Id=6)"_s,
             u"SELECT * FROM Imagens WHERE Id=(SELECT Imagem FROM Docentes WHERE Id=6)"_s,
             u"SELECT * FROM DocentesPesquisaArea WHERE Docente=6 ORDER BY Docente DESC"_s,
             u"SELECT * FROM DocentesPesquisaLinha WHERE Docente=6 ORDER BY Docente DESC"_s,
             u"SELECT * FROM DocentesObservacao WHERE Docente=6 ORDER BY Docente DESC"_s })
        uma += c + u";\n"_s;
    const double uma_vez = Medidas::Cliente(b, uma);
    const double todas = Medidas::Cliente(b, uma.repeated(repeticoes));
    return (todas - uma_vez) / std::max(1, repeticoes - 1);
}

bool medirMotor(Motor motor, int repeticoes, int maisDocentes, SaidaMemoria &saida)
{
    const char *nome = Medidas::NomeMotor(motor);
    BancoTeste *banco = Medidas::Preparar(motor, true);
    if (!banco)
        return false;
    BancoTeste &b = *banco;
    if (!encher(b, motor, maisDocentes))
        return false;
    TFormTabela *janela = Registro::Janela(11);
    janela->show();
    // O docente 6: departamento, categoria, imagem e os três textos preenchidos.
    if (!Medidas::IrPara(janela, u"6"_s)) {
        std::fprintf(stderr, "%s: docente 6 não listado\n", nome);
        return false;
    }
    for (int i = 0; i < 20; ++i) // aquecimento
        janela->MostrarRegistro();
    const Medida m = Medir(repeticoes, saida, [&] { janela->MostrarRegistro(); });
    Escrever(nome,
        u"MostrarRegistro (3 nomes, 3 textos), %1 docentes"_s.arg(
            b.Valor(u"SELECT COUNT(*) FROM Docentes"_s)),
        m);
    const double c = cliente(b, repeticoes);
    std::printf("%-11s   cliente do motor, as mesmas seis consultas: %.3f ms por vez; razão "
                "%.2f\n",
        nome, c, m.mediana / std::max(0.001, c));
    TFormTabela *departamentos = Registro::Janela(10);
    Escrever(nome, "  um NomePorId",
        Medir(repeticoes, saida, [&] { departamentos->NomePorId(u"3"_s); }));
    QString texto;
    Escrever(nome, "  um MostrarCampoDescricao",
        Medir(repeticoes, saida, [&] { MostrarCampoDescricao(u"6"_s, 42, texto, u"Docente"_s); }));
    // O que foi medido leu de fato: nomes e textos como gravados, sem erros no registro.
    janela->MostrarRegistro();
    const QString depto = janela->Texto(u"EditDepartamento_Nome"_s);
    const QString area = janela->Texto(u"MemoPesquisaArea"_s);
    const bool erro = Medidas::ErrosNoRegistro(saida);
    std::printf("%-11s conferido: departamento \"%s\", área de pesquisa com %d caracteres, "
                "texto do nome %d, erros no registro: %s\n",
        nome, qPrintable(depto), int(area.size()), int(departamentos->NomePorId(u"3"_s).size()),
        erro ? "sim" : "não");
    janela->hide();
    Registro::DestruirJanelas();
    b.Desconectar();
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    const int docentes = argc > 2 ? std::max(0, QByteArray(argv[2]).toInt()) : 0;
    return Medidas::Rodar(
        argc, argv, 500, [docentes](Motor motor, int repeticoes, SaidaMemoria &saida) {
            return medirMotor(motor, repeticoes, docentes, saida);
        });
}
