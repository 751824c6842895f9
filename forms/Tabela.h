#pragma once
// Janela-base de tabela. Provisória: a janela completa (listagem, registro, botões,
// modos, escolha) entra aqui.
#include <QDialog>
#include <QLabel>

class TFormTabela : public QDialog
{
    Q_OBJECT
public:
    explicit TFormTabela(QWidget *parent = nullptr);

    int NumeroTabela = 0;
    int Modo = 0; // 0 consultando, 1 incluindo, 3 modificando, 4 escolhendo
    int Operacao = 0;
    QLabel *LabelEscolha = nullptr;

    // Texto de exibição da linha 'id' da tabela da janela (vazio sem linha).
    virtual QString NomePorId(const QString &id);
};
