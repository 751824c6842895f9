#pragma once
// Base dos testes das janelas de edição: cada caso nos dois motores (as linhas de dados do
// initTestCase), o registro de eventos em memória, o banco da linha corrente em m_banco e,
// depois de cada caso, as janelas fechadas e o banco desconectado. As janelas de teste
// herdam dela e só escrevem os seus casos.
#include "BancoTeste.h"

#include <QObject>

class QuadroEditores : public QObject {
    Q_OBJECT

protected:
    BancoTeste *m_banco = nullptr;
    QString valor(const QString &sql) const { return m_banco->Valor(sql); }

private slots:
    void initTestCase_data();
    void initTestCase();
    void init();
    void cleanup();
};
