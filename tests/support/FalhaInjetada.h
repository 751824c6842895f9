#pragma once
// Falha injetada nos testes, nos dois motores: um gatilho que recusa, com um texto fixo, a
// alteração das linhas de uma tabela em que uma condição sobre NEW vale. Criado pelo dono
// do banco de teste; desfeito quando o objeto sai de cena.
//
//     FalhaInjetada falha(b, u"Calendario"_s, u"NEW.Id = 9"_s, u"falha injetada"_s);
//     QVERIFY2(falha.Pronta(), qPrintable(falha.Erro()));
#include "BancoTeste.h"

#include <QString>

class FalhaInjetada {
public:
    FalhaInjetada(
        BancoTeste &banco, const QString &tabela, const QString &condicao, const QString &texto);
    ~FalhaInjetada();
    FalhaInjetada(const FalhaInjetada &) = delete;
    FalhaInjetada &operator=(const FalhaInjetada &) = delete;

    bool Pronta() const { return m_erro.isEmpty(); }
    QString Erro() const { return m_erro; }

private:
    BancoTeste &m_banco;
    QString m_nome;
    QString m_tabela;
    QString m_erro;
};
