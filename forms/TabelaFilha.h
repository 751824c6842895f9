#pragma once
// Lista-filha: as linhas de uma linha-mãe (os e-mails de um departamento, os docentes de
// um grupo de pesquisa, os passageiros de uma viagem...), mostrada modal pela janela-mãe,
// que lhe dá a linha (DefinirPai) antes. A coluna da mãe (a colunaPai do catálogo das
// janelas) é um campo de pesquisa fixo (Edit<coluna> com o nome ao lado) preenchido pela
// mãe, nunca pela linha; a listagem só tem as linhas da mãe e os comandos gravam sempre
// a mãe dada.
#include "Tabela.h"

class TFormTabelaFilha : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaFilha(const DescricaoJanela &descricao, QWidget *parent = nullptr);

    // O campo da mãe: a pesquisa fixa da coluna (o duplo clique dá a mensagem ou nada),
    // fora da linha, com a mensagem de mãe vazia no Aceitar.
    static Campo CampoPai(const QString &coluna, const QString &rotulo, int janelaPai,
        PesquisaFixa duploClique, const QString &mensagemVazio);

    // A linha-mãe (IdPai e NomePai da base) fica guardada entre as aberturas.
    void MostrarRegistro() override;
    void LimparCampos() override;

protected:
    void MontarControles() override;
    // A listagem da tabela e, com a mãe dada, " WHERE <coluna>=<Id da mãe>".
    QStringList SentencaConsulta() const override;
    // Os campos da mãe a partir dos membros.
    virtual void PreencherPai();
    // Mostrar os campos da mãe também com a lista vazia (senão só com uma linha).
    void MostrarPaiSemLinha() { m_paiSemLinha = true; }
    const QString &ColunaPai() const { return m_colunaPai; }

private:
    QString m_colunaPai;
    bool m_paiSemLinha = false;
};
