#pragma once
// Diálogo "Converter Ano" do calendário escolar: o ano dos itens a converter e o ano para
// onde vão. Criado uma vez com o programa, escondido, guarda as escolhas de um uso para o
// outro.
#include <QDialog>

class QComboBox;
class QPushButton;

class TFormConverterAno : public QDialog {
    Q_OBJECT
public:
    explicit TFormConverterAno(QWidget *parent = nullptr);
    ~TFormConverterAno() override;

    // O diálogo do programa: o primeiro criado (a janela principal o cria no início); nulo
    // antes disso.
    static TFormConverterAno *Programa();
    // Os anos das duas listas: de 2002 até o ano seguinte ao dado.
    static QStringList Anos(int anoAtual);

    QComboBox *ComboBoxAnoOriginal = nullptr;
    QComboBox *ComboBoxAnoConverter = nullptr;
    QPushButton *BitBtnConverter = nullptr;
    QPushButton *BitBtnCancelar = nullptr;
    // Converter com os dois anos escolhidos; falso em qualquer outra saída.
    bool Confirmado = false;

    void BitBtnConverterClick();
    void BitBtnCancelarClick();

public slots:
    void reject() override; // Esc e a caixa de fechar valem Cancelar

protected:
    void showEvent(QShowEvent *evento) override;
};
