#include "QuadroEditores.h"

#include "../editores_apoio.h"

void QuadroEditores::initTestCase_data()
{
    LinhasMotores();
}

void QuadroEditores::initTestCase()
{
    InstalarSaidaEventos(&Apoio::Eventos());
}

void QuadroEditores::init()
{
    EXIGIR_BANCO(b);
    m_banco = &b;
}

void QuadroEditores::cleanup()
{
    Editores::Encerrar(m_banco);
}
