#pragma once
// Janela do histórico de alterações (só o administrador): as alterações gravadas pelo
// banco, a mais nova primeiro, filtradas por tabela, linha, login e período; os campos
// mudados da alteração escolhida com o valor de antes e o de depois; e o botão que a
// desfaz. As janelas de tabela a abrem já filtrada na linha que mostram (MostrarDe).
// O histórico cresce sem limite: a listagem lê uma página (Historico::TamanhoPagina) ao
// abrir e a cada filtro, e a seguinte quando a grade chega ao fim.
#include "Historico.h"
#include "Tabela.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableWidget;

class TFormTabelaHistorico : public TFormTabela {
    Q_OBJECT
public:
    static constexpr int Numero = 82;

    explicit TFormTabelaHistorico(QWidget *parent = nullptr);

    // Mostra o histórico da linha 'id' da tabela da janela 'numero' (e dos seus textos
    // longos); modal quando quem pede está modal (uma janela filha ou de escolha).
    static void MostrarDe(int numero, const QString &id, bool modal);
    // A janela 'numero' tem histórico (o botão "Histórico" aparece nela).
    static bool TemHistorico(int numero);

    // Filtro dos controles de filtro.
    Historico::Filtro Filtro() const;
    // Desfaz a alteração mostrada, depois da pergunta.
    void BitBtnDesfazerClick();

    void ExibirJanela() override;
    void ConsultarTabela() override; // a primeira página
    void MostrarRegistro() override;
    // Lê a página seguinte da listagem (o que a grade pede ao chegar ao fim); false
    // quando não há mais.
    bool LerMais();

protected:
    void MontarControles() override;
    QStringList SentencaConsulta() const override;

private:
    void preencherFiltros();
    void filtrar();
    void mostrarTotal(); // na legenda da listagem
    void mostrarAlteracao(const Historico::Alteracao &a);
    QString descreverLinha(const Historico::Alteracao &a);
    QString rotulo(const QString &tabela, const QString &coluna) const;
    QString valor(const Esquema::Coluna *c, const QJsonValue &v);

    QComboBox *m_tabela = nullptr;
    QLineEdit *m_registro = nullptr;
    QComboBox *m_usuario = nullptr;
    QDateEdit *m_de = nullptr;
    QDateEdit *m_ate = nullptr;
    QTableWidget *m_campos = nullptr;
    // Filtro pedido por MostrarDe para a próxima exibição (tabela e linha).
    std::optional<std::pair<QString, QString>> m_pedido;
    bool m_preenchendo = false; // o programa muda os filtros (não o usuário)
    bool m_haMais = false; // a última página lida veio cheia
};
