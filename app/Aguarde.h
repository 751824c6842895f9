#pragma once
// Caixa "Por favor, aguarde..." das operações demoradas.
#include <QDialog>

class QLabel;

class TFormAguarde : public QDialog {
    Q_OBJECT
public:
    explicit TFormAguarde(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;

protected:
    void showEvent(QShowEvent *evento) override;
};
