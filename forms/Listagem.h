#pragma once
// Listagem das janelas de tabela: a grade com as linhas da consulta, a pesquisa enquanto
// se digita (todas as colunas, sem distinguir maiúsculas nem acentos) com a contagem ao
// lado, a ordem por coluna (clique no título; de novo, ao contrário), a exportação da
// lista como está na tela para CSV e a disposição (divisor e larguras das colunas)
// guardada por janela no Tarvisco.ini.
//
// Nada disso muda a consulta da janela: a pesquisa e a ordem só escolhem quais linhas
// do resultado a grade mostra, e em que ordem. Cada nova consulta volta à ordem dela,
// sem pesquisa. As linhas mostradas, e em que ordem, são do modelo (ModeloConsulta.h);
// aqui ficam a grade e os controles.
#include "ModeloConsulta.h"

#include <QTableView>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;

// Grade da listagem: avisa quando o usuário muda a linha atual pelo teclado.
class GradeListagem : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

signals:
    void LinhaMovidaPeloTeclado(const QModelIndex &atual);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    // Home e End vão à primeira e à última linha (a linha inteira é a seleção).
    QModelIndex moveCursor(CursorAction acao, Qt::KeyboardModifiers modificadores) override;
    void currentChanged(const QModelIndex &atual, const QModelIndex &anterior) override;

private:
    bool m_teclado = false;
};

// A parte da listagem de uma janela de tabela: monta os controles no grupo da lista.
class Listagem : public QObject {
    Q_OBJECT
public:
    // 'secao': a seção da janela no Tarvisco.ini; 'nomeArquivo': a sugestão de nome
    // para a exportação.
    Listagem(TQuery *consulta, QGroupBox *grupo, QSplitter *divisor, const QString &secao,
        const QString &nomeArquivo, QWidget *janela);

    GradeListagem *Grade() const { return m_grade; }
    ModeloListagem *Modelo() const { return m_modelo; }
    QLabel *RotuloPesquisa() const { return m_rotulo; }
    QLineEdit *Pesquisa() const { return m_pesquisa; }
    QLabel *ContagemPesquisa() const { return m_contagem; }
    QPushButton *BotaoExportar() const { return m_exportar; }

    // A lista como está na tela (colunas, filtro e ordem) em CSV: UTF-8 com marca de
    // ordem de bytes, ';' entre os valores, linhas terminadas em CR LF, entre aspas os
    // valores com ';', aspas ou quebras de linha.
    QByteArray Csv() const;
    // Grava a lista no arquivo; false e 'erro' se falhar.
    bool ExportarPara(const QString &arquivo, QString *erro = nullptr) const;

    // Divisor e larguras das colunas no Tarvisco.ini (só quando o usuário os mudou).
    void GravarDisposicao();

    // Escolha do arquivo da exportação (caixa de arquivo padrão); os testes a trocam.
    using PedidoArquivo = std::function<QString(QWidget *pai, const QString &sugestao)>;
    static void DefinirPedidoArquivo(PedidoArquivo pedido);

signals:
    // O filtro mudou a linha atual: a linha mostrada nova, ou -1 se nada sobrou.
    void LinhaMudadaPelaPesquisa(int linhaMostrada);
    // Enter na caixa de pesquisa.
    void EnterNaPesquisa();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void aoAbrir();
    void pesquisar(const QString &texto);
    void ordenar(int coluna);
    void atualizarContagem();
    void ajustarColunas();
    void exportar();
    void marcarAtual(int linhaConsulta);

    TQuery *m_consulta;
    QSplitter *m_divisor;
    QWidget *m_janela;
    QString m_secao;
    QString m_nomeArquivo;
    GradeListagem *m_grade;
    ModeloListagem *m_modelo;
    QLabel *m_rotulo;
    QLineEdit *m_pesquisa;
    QLabel *m_contagem;
    QPushButton *m_exportar;
    QHash<QString, int> m_larguras; // do Tarvisco.ini e do usuário, por nome de coluna
    QHash<QString, int> m_medidas; // as medidas pelo conteúdo, na primeira vez
    int m_larguraLista = 0; // do Tarvisco.ini, posta quando o divisor ganha o tamanho
    bool m_divisorPosto = false;
    bool m_colunasProntas = false;
    bool m_ajustando = false; // o programa está dando as larguras
    bool m_mudou = false; // o usuário mexeu no divisor ou nas colunas
};
