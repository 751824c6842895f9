#pragma once
// Pedidos de veículos da faculdade (tabela 78): solicitante, data do pedido, destino,
// serviço, finalidade, saída e retorno (datas e horas), motorista, tipo de veículo, local
// de saída, observação e a confirmação da assistência que cuida dos veículos (ATAd). Os
// passageiros de cada pedido (tabela 79) são editados numa janela-filha. Os níveis de
// departamento (3..6) veem só os pedidos do seu departamento.
#include "Tabela.h"

class TFormTabelaVeiculos : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaVeiculos(QWidget *parent = nullptr);

protected:
    void MontarControles() override;
};

// Os passageiros de um pedido (o que a janela dos pedidos dá).
class TFormTabelapassageiros : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelapassageiros(QWidget *parent = nullptr);

    QString &IdSolicitante = IdPai;
    QString &NomeSolicitante = NomePai;

protected:
    bool ConferirCampos() override;
    bool PodeModificarFicha() override;
    bool PodeExcluirFicha() override;
};
