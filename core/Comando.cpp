#include "Comando.h"

#include "Rotinas.h"

using namespace Qt::StringLiterals;

namespace {
struct Palavras {
    QString inicio, fim;
};
const Palavras &palavras(Passo passo)
{
    static const Palavras p[] = {
        { u"consultando..."_s, u"consultado"_s },
        { u"consultando..."_s, u"consultado"_s },
        { u"contando registros..."_s, u"registros contados"_s },
        { u"incluindo..."_s, u"incluído"_s },
        { u"alterando..."_s, u"alterado"_s },
        { u"apagando..."_s, u"apagado"_s },
        { u"consultando..."_s, u"consultado"_s },
    };
    return p[int(passo)];
}
} // namespace

bool RodarComando(
    TQuery &q, int n, const QString &inicio, const std::function<QStringList()> &linhas, bool abrir)
{
    try {
        q.Close();
        if (!inicio.isEmpty())
            RegistrarEvento(n, inicio);
        q.SQL = linhas();
        if (abrir)
            q.Open();
        else
            q.ExecSQL();
        return true;
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return false;
    }
}

void RegistrarReuso(int n, Passo passo, int registros)
{
    const Palavras &p = palavras(passo);
    RegistrarEvento(n, p.inicio);
    if (passo == Passo::ConsultaSemTotal)
        RegistrarEvento(n, p.fim);
    else
        RegistrarEvento(n, p.fim, QString::number(registros) + u" registros"_s);
}

void RegistrarFalhaAntes(int n, Passo passo, const ErroBanco &falha)
{
    RegistrarEvento(n, palavras(passo).inicio);
    RegistrarErro(n, falha.Mensagem());
}

bool ExecutarComando(TQuery &q, int n, Passo passo, const std::function<QStringList()> &linhas,
    int *registros, const std::function<void()> &semLinha)
{
    const Palavras &p = palavras(passo);
    if (passo == Passo::Pagina) {
        // O resultado aberto fica: a página vai para o fim dele.
        try {
            RegistrarEvento(n, p.inicio);
            const int antes = q.RecordCount();
            q.SQL = linhas();
            q.Acrescentar();
            const int lidas = q.RecordCount() - antes;
            if (registros)
                *registros = lidas;
            RegistrarEvento(n, p.fim, QString::number(lidas) + u" registros"_s);
            return true;
        } catch (const ErroBanco &e) {
            RegistrarErro(n, e.Mensagem());
            return false;
        }
    }
    const bool consulta
        = passo == Passo::Consulta || passo == Passo::ConsultaSemTotal || passo == Passo::Contagem;
    if (!RodarComando(q, n, p.inicio, linhas, consulta))
        return false;
    try {
        if (passo == Passo::ConsultaSemTotal) {
            if (registros)
                *registros = q.RecordCount();
            RegistrarEvento(n, p.fim);
        } else if (consulta) {
            const int total = passo == Passo::Contagem ? q.Campo0().toInt() : q.RecordCount();
            if (registros)
                *registros = total;
            RegistrarEvento(n, p.fim, QString::number(total) + u" registros"_s);
        } else {
            if (registros)
                *registros = q.LinhasAfetadas();
            if (q.LinhasAfetadas() == 0 && semLinha)
                semLinha();
            if (passo == Passo::Alteracao && q.LinhasAfetadas() == 0) {
                // A linha não existe mais: nada foi alterado, e não é um sucesso.
                RegistrarEvento(n, u"erro"_s, u"nenhum registro alterado"_s);
                return false;
            }
            if (passo == Passo::Exclusao && semLinha && q.LinhasAfetadas() == 0) {
                // A linha procurada (quem dá 'semLinha') não existe mais: nada foi apagado.
                RegistrarEvento(n, u"erro"_s, u"nenhum registro apagado"_s);
                return false;
            }
            RegistrarEvento(n, p.fim);
        }
        return true;
    } catch (const ErroBanco &e) {
        RegistrarErro(n, e.Mensagem());
        return false;
    }
}
