#pragma once
// A caixa "Por favor, aguarde..." do programa vista das janelas de tabela: a janela
// principal a entrega ao criar as janelas (sem ela, como nos testes, nada aparece). Uma
// operação demorada a mostra enquanto trabalha:
//
//     {
//         Espera espera; // mostrada sem esperar e pintada
//         ...
//     } // fechada
class QWidget;

void DefinirCaixaAguarde(QWidget *caixa);
QWidget *CaixaAguarde();

class Espera {
public:
    Espera();
    ~Espera();
    Espera(const Espera &) = delete;
    Espera &operator=(const Espera &) = delete;
};
