#include "TabelaCalendario.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
#include "ConverterAno.h"
#include "Espera.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Registro.h"
#include "Rotinas.h"
#include "Servidor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString Interrompida = u"A conversão foi interrompida."_s;

DescricaoJanela descricao()
{
    DescricaoJanela d;
    d.numero = 69;
    d.campos = {
        CampoEdit(u"Titulo"_s, u"Título"_s, 255)
            .Obrigatorio(u"O campo Título deve estar preenchido. Operação interrompida."_s),
        CampoData(u"DataInicio"_s, u"DateDataInicio"_s, u"Data"_s).AoIncluir(InicioCampo::Agora),
        CampoMarcacao(u"Periodo"_s, u"Considerar como período"_s),
        CampoData(u"DataTermino"_s, u"DateDataTermino"_s, u"Data Término"_s)
            .NomeRotulo(u"LabelDataTermino"_s)
            .AoIncluir(InicioCampo::Agora),
        CampoMemo(u"Descricao"_s, u"Descrição"_s, 3990).Capacidade(),
        CampoLista(u"Categoria"_s, u"Categoria"_s,
            { u"Data Oficial"_s, u"Data Oficial com Destaque"_s, u"Feriado Nacional"_s,
                u"Feriado Nacional com Destaque"_s, u"Feriado Municipal"_s,
                u"Feriado Municipal com Destaque"_s, u"Data Extra-oficial"_s,
                u"Provas/Avaliações"_s, u"Provas/Avaliações com Destaque"_s,
                u"Transferência KVA"_s },
            true, 150),
        CampoEdit(u"Link"_s, u"Link"_s, 255),
    };
    // O término é gravado também quando o item não é um período.
    d.colunas = { Gravar(u"Titulo"_s), Gravar(u"DataInicio"_s), Gravar(u"Periodo"_s),
        Gravar(u"DataTermino"_s), Gravar(u"Descricao"_s), Gravar(u"Categoria"_s),
        Gravar(u"Link"_s) };
    d.ordemExibicao = { u"DateDataInicio"_s, u"CheckBoxPeriodo"_s, u"DateDataTermino"_s };
    d.controlesReservados = { u"EditTitulo"_s };
    d.controlesProprios = { u"BitBtnConverterAno"_s };
    return d;
}

// Valores do comando de conversão de uma linha.
class DatasConvertidas : public FonteValores {
public:
    DatasConvertidas(const QString &id, const QDate &inicio, const QDate &termino)
        : m_id(id)
        , m_inicio(inicio)
        , m_termino(termino)
    {
    }
    QString Texto(const QString &controle) const override
    {
        if (controle == u"Id"_s)
            return m_id;
        return m_termino.isValid() ? DataParaSQL(m_termino) : QString();
    }
    bool Marcado(const QString &) const override { return false; }
    QDate Data(const QString &controle) const override
    {
        return controle == u"Inicio"_s ? m_inicio : m_termino;
    }

private:
    QString m_id;
    QDate m_inicio, m_termino;
};

// Data gravada (AAAA-MM-DD, com ou sem a hora); inválida se vazia.
QDate dataIso(const QString &texto)
{
    return QDate::fromString(texto.left(10), Qt::ISODate);
}

// Uma data como valor ligado a um comando: AAAA-MM-DD, como os dois motores a guardam (os
// gatilhos de datas do SQLite não têm o que converter), com o piso de 1/1/2000 de
// DataParaSQL.
QString dataLigada(const QDate &d)
{
    return std::max(d, QDate(2000, 1, 1)).toString(Qt::ISODate);
}

// A data levada 'anos' anos adiante (ou atrás); 29 de fevereiro vira 28 num ano sem ele.
QDate mover(const QDate &d, int anos, bool *perdeuDia)
{
    const QDate nova = d.addYears(anos);
    if (d.month() == 2 && d.day() == 29 && nova.day() != 29)
        *perdeuDia = true;
    return nova;
}
} // namespace

TFormTabelaCalendario::TFormTabelaCalendario(QWidget *parent)
    : TFormTabela(descricao(), parent)
{
    QueryAux = new TQuery(&Servidor::Database(), this);
}

void TFormTabelaCalendario::MontarControles()
{
    // A data de término e o seu rótulo aparecem só quando o item é um período, a cada
    // mudança da marca (do usuário ou do programa).
    auto *termino = Controle<QDateEdit>(u"DateDataTermino"_s);
    auto *rotulo = GroupBox1->findChild<QLabel *>(u"LabelDataTermino"_s);
    auto *periodo = Controle<QCheckBox>(u"CheckBoxPeriodo"_s);
    const auto mostrarTermino = [rotulo, termino](bool periodo) {
        rotulo->setVisible(periodo);
        termino->setVisible(periodo);
    };
    connect(periodo, &QCheckBox::toggled, this, mostrarTermino);
    mostrarTermino(periodo->isChecked());

    // Disponível em todo modo (a conversão recusa-se enquanto se edita).
    NovoBotao(u"BitBtnConverterAno"_s, u"&Converter Ano"_s, LinhaBotoes(),
        LinhaBotoes()->count() - 1, [this] { BitBtnConverterAnoClick(); });
}

QStringList TFormTabelaCalendario::SentencaConversaoLigada()
{
    // Só a marca da tabela: os valores não passam pelo texto.
    static const TabelaLinhas linhas = {
        { u"UPDATE {T} SET "_s, Sempre() },
        { u"DataInicio=$2"_s, Sempre() },
        { u",DataTermino=COALESCE($3,DataTermino)"_s, Sempre() },
        { u" WHERE Id=$1"_s, Sempre() },
    };
    return RenderizarSentenca(linhas, 69, DatasConvertidas({}, {}, {}));
}

QStringList TFormTabelaCalendario::SentencaConversao(
    const QString &id, const QDate &inicio, const QDate &termino)
{
    static const TabelaLinhas linhas = {
        { u"UPDATE {T} SET "_s, Sempre() },
        { u"DataInicio={@Inicio}"_s, Sempre() },
        { u",DataTermino={@Termino}"_s, SeNaoVazio(u"Termino"_s) },
        { u" WHERE Id={#Id}"_s, Sempre() },
    };
    return RenderizarSentenca(linhas, 69, DatasConvertidas(id, inicio, termino));
}

bool TFormTabelaCalendario::ConverterAno(int de, int para)
{
    // A leitura e as gravações numa só transação, que prende as linhas lidas até o fim:
    // no PostgreSQL a leitura as trava (FOR UPDATE), no SQLite a transação já começa com a
    // trava de escrita. Quem grava uma data enquanto isso espera a conversão terminar, e
    // a conversão parte do que está gravado, nunca de uma leitura que outro já mudou.
    const bool travar = Servidor::Database().Motor() == FonteDados::PostgreSQL;
    const int anos = para - de;
    return Gravacao().EmTransacao([&] {
        if (!ExecutarComando(*Query, NumeroTabela, Passo::Consulta, [travar] {
                return QStringList { ConsultaTabela(69) + (travar ? u" FOR UPDATE"_s : QString()) };
            }))
            return false;
        // Uma linha de valores por item a converter: Id, início e término novos (término
        // nulo: fica como está).
        QList<QVariantList> valores;
        {
            BlocoRegistro bloco; // uma linha do registro por item, numa edição só
            for (Query->First(); !Query->Eof(); Query->Next()) {
                QString mensagem = u"registro "_s + Query->AsString(u"Descricao"_s);
                const QDate inicio = dataIso(Query->AsString(u"DataInicio"_s));
                if (inicio.year() == de) {
                    bool perdeuDia = false;
                    const QDate termino = dataIso(Query->AsString(u"DataTermino"_s));
                    valores.append({ Query->AsString(u"Id"_s).toLongLong(),
                        dataLigada(mover(inicio, anos, &perdeuDia)),
                        termino.isValid() ? QVariant(dataLigada(mover(termino, anos, &perdeuDia)))
                                          : QVariant() });
                    if (perdeuDia)
                        mensagem += u" (29 de fevereiro passa a 28 de fevereiro)"_s;
                }
                RegistrarEvento(NumeroTabela, u"alterando..."_s, mensagem);
            }
        }
        QueryAux->SQL = SentencaConversaoLigada();
        QueryAux->ExecSQLValores(valores);
        return true;
    });
}

void TFormTabelaCalendario::BitBtnConverterAnoClick()
{
    // A conversão passa por cima dos campos: não enquanto se inclui ou modifica.
    if (Editando()) {
        Mensagens::Informar(u"Atenção: você só pode converter o ano depois de Aceitar ou "
                            "Cancelar a operação anterior."_s);
        return;
    }
    TFormConverterAno *dialogo = TFormConverterAno::Programa();
    if (!dialogo)
        dialogo = new TFormConverterAno(this);
    dialogo->Confirmado = false;
    dialogo->exec();
    // A caixa pode ser a do programa (da janela principal): ao fechar, o calendário
    // volta para a frente, não a principal.
    trazerParaFrente();
    if (!dialogo->Confirmado)
        return;
    const QString de = dialogo->ComboBoxAnoOriginal->currentText();
    const QString para = dialogo->ComboBoxAnoConverter->currentText();
    if (!Mensagens::Confirmar(u"Tem certeza que deseja converter\r\ntodos os ítens do ano "_s + de
            + u"\r\n"_s + u"para o ano "_s + para + u'?')) {
        Mensagens::Informar(Interrompida);
        return;
    }
    bool convertido;
    {
        Espera espera;
        convertido = ConverterAno(de.toInt(), para.toInt());
    }
    if (!convertido)
        Mensagens::Informar(Interrompida);
    ConsultarTabela();
    MostrarRegistro();
    trazerParaFrente();
}

REGISTRAR_JANELA(69, TFormTabelaCalendario)
