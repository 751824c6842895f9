#include "Conexao.h"

#include "CatalogoTabelas.h"
#include "Comando.h"
#include "Esquema.h"
#include "Mensagens.h"
#include "PerfisAcesso.h"
#include "Rotinas.h"
#include "Sentenca.h"
#include "Servidor.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Conexao {
namespace {
// Colunas da linha de configuração do servidor.
const QStringList ColunasConfiguracao
    = { u"Id"_s, u"Email"_s, u"URL"_s, u"DesligarVersaoAntiga"_s, u"Versao"_s, u"Instancias"_s };

const QString MensagemPermissoes
    = u"Entre em contato com o Seção de Informática e informe que houve erro\r\nna definição "
      "das permissões de acesso às tabelas para o seu login."_s;
} // namespace

const QString MensagemReconexaoFalhou
    = u"Não foi possível conectar de novo com o servidor.\n\r\n\rO que estava sendo incluído "
      "ou modificado continua nas janelas."_s;

std::optional<Configuracao> LerConfiguracao()
{
    if (!Servidor::Database().Connected())
        return std::nullopt;
    TQuery &q = Servidor::Query();
    try {
        q.Close();
        RegistrarEvento(0, u"verificando configurações no servidor..."_s);
        q.SQL = { u"SELECT * FROM Tarvisco"_s };
        q.Open();
        RegistrarEvento(0, u"configurações verificadas no servidor"_s);
        // Uma coluna que falta ou uma tabela vazia também são configurações ilegíveis.
        for (const QString &coluna : ColunasConfiguracao)
            q.AsString(coluna);
        if (q.RecordCount() == 0)
            throw ErroBanco(u"A tabela Tarvisco não tem nenhuma linha."_s);
        return Configuracao { q.AsString(u"Email"_s), q.AsString(u"URL"_s),
            q.AsString(u"DesligarVersaoAntiga"_s) == u"S"_s, q.AsString(u"Versao"_s) };
    } catch (const ErroBanco &e) {
        if (!Servidor::Database().Connected()) {
            RegistrarErro(0, e.Mensagem());
            return std::nullopt;
        }
        RegistrarEvento(0, u"exceção"_s, e.Mensagem());
        Mensagens::Informar(u"ERRO GRAVE:\n\r\n\rNão foi possível ler configurações do servidor."
                            "\n\rEntre em contato com o administrador da rede da QORVEL."_s);
        return std::nullopt;
    }
}

bool ModificarContagem(int mudanca)
{
    if (!Servidor::Database().Connected())
        return false;
    // Lido, calculado aqui e gravado de volta, sem trava: cópias que conectam ao mesmo
    // tempo podem perder uma contagem.
    TQuery &q = Servidor::Query();
    if (!RodarComando(
            q, 0, {}, [] { return QStringList { u"SELECT * FROM Tarvisco WHERE Id=1"_s }; }, true))
        return false;
    RegistrarEvento(0, u"consultado"_s, u"contagem de instâncias do Tarvisco"_s);
    QString atual;
    try {
        atual = q.AsString(u"Instancias"_s);
    } catch (const ErroBanco &e) {
        RegistrarErro(0, e.Mensagem());
        return false;
    }
    if (atual.isEmpty())
        return false;
    const int novo = atual.toInt() + mudanca;
    if (novo < 0)
        return false;
    if (!RodarComando(
            q, 0, {},
            [novo] {
                return QStringList { u"UPDATE Tarvisco SET "_s,
                    u"Instancias="_s + QString::number(novo), u" WHERE Id=1"_s };
            },
            false))
        return false;
    RegistrarEvento(0, u"alterado"_s, u"contagem de instâncias do Tarvisco"_s);
    return true;
}

bool DefinirFiltroDasTabelas()
{
    FiltroTabelas.clear();
    if (!Servidor::Database().Connected())
        return true;
    if (NivelAcesso == 9) {
        FiltroTabelas = u"Graduação"_s;
    } else if (NivelAcesso == 10) {
        FiltroTabelas = u"Pós-Graduação"_s;
    } else if (NivelDeDepartamento(NivelAcesso)) {
        TQuery &q = Servidor::Query();
        if (!RodarComando(
                q, 0, {},
                [] {
                    // No PostgreSQL, o departamento que o servidor dá ao login (o mesmo da
                    // segurança por linha, preso ao Id e não ao nome, que o login edita).
                    if (Servidor::Database().Motor() == FonteDados::PostgreSQL)
                        return QStringList { u"SELECT "_s + Esquema::DepartamentoDoLogin
                            + u" AS Id"_s };
                    return QStringList { u"SELECT * FROM "_s + NomeTabela(10) + u" WHERE Nome="_s
                        + CitarTexto(DepartamentoNivel(NivelAcesso)) };
                },
                true)) {
            // Uma conexão perdida já foi avisada: não é um problema das permissões.
            if (Servidor::Database().Connected())
                Mensagens::Informar(MensagemPermissoes);
            return false;
        }
        try {
            FiltroTabelas = q.AsString(u"Id"_s);
        } catch (const ErroBanco &) {
            FiltroTabelas.clear();
        }
        if (FiltroTabelas.isEmpty()) {
            // Sem o departamento do nível não há filtro: é uma falha, não um filtro vazio.
            RegistrarEvento(0, u"erro"_s, u"filtro SQL não definido"_s);
            Mensagens::Informar(MensagemPermissoes);
            return false;
        }
        RegistrarEvento(0, u"consultado"_s, u"filtro SQL definido"_s);
    }
    return true;
}

bool PrimeiroInicio = true;

bool ArquivoDoBancoPronto()
{
    const TDatabase &db = Servidor::Database();
    const FonteDados fonte = db.Fonte ? *db.Fonte : FonteDados::Definicao();
    if (fonte.motor != FonteDados::SQLite || PrimeiroInicio || QFileInfo::exists(fonte.arquivo))
        return true;
    const QString nome = QDir::toNativeSeparators(QFileInfo(fonte.arquivo).absoluteFilePath());
    if (Mensagens::Confirmar(u"O arquivo do banco de dados não foi encontrado:\n\r%1\n\r\n\r"
                             "Ele pode ter sido apagado ou movido. Criar nele um banco novo, "
                             "com a faculdade de demonstração?"_s.arg(nome)))
        return true;
    RegistrarEvento(0, u"conexão não realizada"_s, u"arquivo não encontrado: "_s + nome);
    Mensagens::Informar(u"Conexão não realizada: o arquivo do banco de dados não foi "
                        "encontrado:\n\r%1\n\r\n\rDevolva o arquivo a esse lugar e conecte de "
                        "novo."_s.arg(nome));
    return false;
}

bool Reconectar()
{
    TDatabase &db = Servidor::Database();
    if (db.Connected())
        return true;
    if (!ArquivoDoBancoPronto())
        return false;
    try {
        db.Open(true);
    } catch (const ErroBanco &e) {
        RegistrarErro(0, e.Mensagem());
        // O servidor ainda fora do alcance (ou o arquivo ilegível) não tem caixa no
        // registro; quem pediu para conectar de novo, talvez numa janela modal que esconde
        // o registro, fica sabendo. A senha recusada já tem a sua, e o pedido de senha
        // cancelado é a vontade do usuário.
        const QString &m = e.Mensagem();
        if (m.contains(u"Cannot connect"_s) && !m.contains(u"password prompt cancelled"_s)
            && FalhaSQLite::MotivoDe(m).isEmpty())
            Mensagens::Informar(MensagemReconexaoFalhou);
    }
    return db.Connected();
}

} // namespace Conexao
