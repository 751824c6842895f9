#include "Comando.h"

#include "Rotinas.h"

using namespace Qt::StringLiterals;

bool ExecutarComando(
    TQuery &q, int n, Passo passo, const std::function<QStringList()> &linhas, int *registros)
{
    static const struct {
        QString inicio, fim;
    } palavras[] = {
        { u"consultando..."_s, u"consultado"_s },
        { u"consultando..."_s, u"consultado"_s },
        { u"contando registros..."_s, u"registros contados"_s },
        { u"incluindo..."_s, u"incluído"_s },
        { u"alterando..."_s, u"alterado"_s },
        { u"apagando..."_s, u"apagado"_s },
    };
    const auto &p = palavras[int(passo)];
    try {
        q.Close();
        RegistrarEvento(n, p.inicio);
        q.SQL = linhas();
        if (passo == Passo::ConsultaSemTotal) {
            q.Open();
            if (registros)
                *registros = q.RecordCount();
            RegistrarEvento(n, p.fim);
        } else if (passo == Passo::Consulta || passo == Passo::Contagem) {
            q.Open();
            const int total = passo == Passo::Contagem ? q.Campo0().toInt() : q.RecordCount();
            if (registros)
                *registros = total;
            RegistrarEvento(n, p.fim, QString::number(total) + u" registros"_s);
        } else {
            q.ExecSQL();
            if (registros)
                *registros = q.LinhasAfetadas();
            if (passo == Passo::Alteracao && q.LinhasAfetadas() == 0) {
                // A linha não existe mais: nada foi alterado, e não é um sucesso.
                RegistrarEvento(n, u"erro"_s, u"nenhum registro alterado"_s);
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
