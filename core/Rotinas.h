#pragma once
// Rotinas compartilhadas: registro de eventos, valores de SQL e variáveis do programa.
#include <QColor>
#include <QDate>
#include <QLocale>
#include <QString>

extern QString NomePrograma; // "Tarvisco"
extern QString VersaoPrograma; // a versão do projeto na compilação ("16")
extern QString EmailWebMaster;

// Destino das linhas do registro e do estado da conexão; a janela principal o fornece.
// Sem destino instalado as rotinas guardam as linhas num destino em memória.
class SaidaEventos {
public:
    virtual ~SaidaEventos() = default;
    // Linhas de texto do registro (uma linha com quebra conta várias).
    virtual int NumeroLinhas() const = 0;
    virtual void Limpar() = 0;
    // Acrescenta uma linha (pode conter "\r\n") na cor dada e rola até o fim.
    virtual void AcrescentarLinha(const QString &texto, const QColor &cor) = 0;
    // Grava o registro inteiro como documento RTF; false e 'erro' preenchido se falhar.
    virtual bool GravarRtf(const QString &caminho, QString *erro) = 0;
    // Bloco de linhas (BlocoRegistro): entre IniciarBloco e TerminarBloco as linhas
    // acrescentadas e os esvaziamentos entram no registro numa só edição, mostrada e rolada
    // até o fim uma vez, no fim do bloco; NumeroLinhas e o RTF já contam com elas. Nada a
    // fazer num destino que não se desenha.
    virtual void IniciarBloco() { }
    virtual void TerminarBloco() { }
    virtual void DefinirStatus(const QString &texto) = 0;
    virtual void MostrarNota(const QString &texto) = 0;
    virtual void DefinirTitulo(const QString &titulo) = 0;
};

void InstalarSaidaEventos(SaidaEventos *saida);
SaidaEventos *SaidaEventosAtual();

// Enquanto um BlocoRegistro existe (o primeiro de vários aninhados), as linhas do registro
// vão para o destino num bloco só: quem registra muitas linhas de uma vez (uma por item da
// conversão do ano) não redesenha o registro a cada linha. O limite de linhas e a gravação
// do arquivo valem linha a linha, como fora do bloco; antes de uma caixa de mensagem do
// registro o que já foi registrado aparece.
class BlocoRegistro {
public:
    BlocoRegistro();
    ~BlocoRegistro();
    BlocoRegistro(const BlocoRegistro &) = delete;
    BlocoRegistro &operator=(const BlocoRegistro &) = delete;
};

// Registro de eventos
void RegistrarEvento(int n, const QString &estado, const QString &mensagem = QString());
// Classifica a falha pelo texto: login ou senha recusados, conexão impossível, perdida ou
// ausente, TLS, gravação recusada pela segurança por linha (RecusaPorLinha) ou erro de SQL.
void RegistrarErro(int n, const QString &erro);
// A caixa da gravação recusada pela segurança por linha, para o nível corrente.
QString MensagemRecusaPorLinha();
void RegistrarAbertura();
void RegistrarUsuario();
void MostrarStatus(const QString &texto);
// Nota passageira na barra de status (volta ao estado da conexão depois de um tempo).
void MostrarNota(const QString &texto);
void AtualizarTitulo(const QString &sufixo);
// Hora local no formato longo do sistema (sem o fuso horário).
QString HoraRegistro();
QString FormatoHoraLongo(const QLocale &local);

// Valores
bool TextoParaLogico(const QString &texto);
QString LogicoParaTexto(bool valor);
QString DataParaSQL(const QDate &data);
QString DataHoraParaSQL(const QString &hora, const QString &minuto, const QDate &data);
QString RemoverEspacosFinais(const QString &texto);
// Comprimento de um texto como o programa o conta: em caracteres, como o usuário e a
// coluna do banco os contam (um emoji é um, não dois pedaços UTF-16), e cada quebra de
// linha (CR LF, LF ou CR) vale dois, como no texto gravado.
qsizetype ComprimentoTexto(const QString &texto);
// Parte usada da capacidade de um memo, em % inteiros truncados, pelo ComprimentoTexto.
// Máximo 0 ou negativo dá 0.
int CapacidadeUsada(const QString &texto, int maximo);
// Texto que um banco não guarda: o caractere NUL ou metade de um par substituto UTF-16.
bool TemCaractereNaoGravavel(const QString &texto);
