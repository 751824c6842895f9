#pragma once
// Catálogo das janelas de tabela: para cada janela do programa, tudo o que os outros
// lugares precisam saber dela sem abri-la. O menu (ações, títulos e ordem), os direitos
// dos logins no PostgreSQL, o registro das janelas, a janela genérica e os testes leem
// daqui; a descrição de cada janela (forms/) é conferida contra esta entrada.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace CatalogoJanelas {

// Janela aberta por outra enquanto esta consulta (e-mails, telefones, publicações...).
struct Filha {
    int numero = 0;
    QSet<int> niveis = {}; // vazio: todos os níveis que abrem a janela mãe
};

// Ação do menu "Tabela" que mostra a janela.
struct AcaoMenu {
    int etiqueta = 0; // decide a visibilidade por nível (NivelVeTabela); 0: sem ação
    QString nome; // objectName da ação ("TabelaDocentes")
    QString titulo; // texto do menu ("Tabela &Docentes")
};

// Filtro das listagens dos níveis de departamento (3..6): a janela lista só as linhas
// do departamento do nível e as linhas "[vazio]":
//   SELECT * FROM <tabela> WHERE <coluna>=<FiltroTabelas><ou><marcador>='[vazio]'<ordem>
struct FiltroDepartamento {
    QString coluna
        = {}; // "Departamento", ou "Id" na própria tabela de departamentos; vazio: sem filtro
    QString marcador = QStringLiteral("Nome"); // coluna do "[vazio]"
    QString ou = QStringLiteral(" OR "); // como a listagem o escreve (" OR " ou " OR    ")
    QString ordem = {}; // " ORDER BY Nome" (vazio: sem ordem)
};

// Filtro das listagens das seções de graduação (nível 9) e de pós-graduação (10): a
// janela lista só as linhas da seção (o texto do filtro não entra no comando):
//   SELECT * FROM <tabela><condição da seção><ordem>
struct FiltroSecao {
    QString graduacao = {}; // condição do nível 9 (" WHERE  ..."); vazia: sem filtro
    QString posGraduacao = {}; // condição do nível 10
    QString ordem = {}; // " ORDER BY Nome"
    bool naContagem = true; // false: a contagem é a da tabela inteira
};

struct Janela {
    int numero = 0; // número do catálogo das tabelas (tabela da janela)
    AcaoMenu acao = {};
    // NomePorId: coluna de exibição (vazia: a janela não serve de escolha por nome) e se
    // os espaços finais são tirados.
    QString colunaExibicao = {};
    bool exibicaoSemEspacos = false;
    QList<int> textosLongos = {}; // tabelas de descrição (uma linha por linha da janela)
    QList<int> codigos = {}; // tabelas de códigos lidas para as listas de escolha
    QList<Filha> filhas = {}; // janelas abertas pela janela enquanto consulta
    QList<int> escolhedoras = {}; // além das tiradas das colunas que guardam Id
    QSet<int> somenteLeitura = {}; // níveis que abrem a janela mas não gravam nela
    FiltroDepartamento filtro = {};
    FiltroSecao secao = {};
    // A janela conta as linhas (ContarRegistros, com o filtro do nível) antes de listar,
    // e a legenda da listagem mostra a contagem.
    bool contagem = false;
    // A tabela é editada pela janela de outro número, que troca de tabela ao ser
    // mostrada (0: a janela é própria).
    int servidaPor = 0;
    // Janela filha: a coluna da sua tabela que guarda o Id da linha da janela-mãe (a
    // linha dona). Vazia: a tabela não depende da linha da mãe. A janela-base lista só as
    // linhas da mãe entregue, mostra-a no campo Edit<colunaPai> e não grava sem ela.
    QString colunaPai = {};
    // A ordem da listagem da filha, depois da linha da mãe (" ORDER BY Titulo").
    QString ordemPai = {};
    // Coluna pela qual ProcurarId acha a linha que a janela acabou de incluir (vazia: a
    // janela não procura).
    QString colunaProcura = {};
};

// Todas as janelas, em ordem de número.
const QList<Janela> &Janelas();
// A entrada da janela (nullptr para número sem janela).
const Janela *JanelaDe(int numero);
// Números das janelas do programa (sem as servidas por outra), em ordem.
QList<int> Numeros();
// Janela que escolhe linhas da tabela de nome físico dado (0 se nenhuma).
int EscolhedoraDaTabela(const QString &tabela);
// As janelas de escolha de uma janela: as dos campos que guardam Id (pelas colunas da
// tabela no esquema) e as declaradas a mais.
QList<int> Escolhedoras(const Janela &j);
// Itens do menu "Tabela", na ordem da tela; 0 é uma linha separadora.
const QList<int> &OrdemMenu();
// Número da janela que a ação de etiqueta dada mostra (0 se nenhuma).
int JanelaDaEtiqueta(int etiqueta);

// A listagem da janela para o nível e o filtro correntes (NivelAcesso, FiltroTabelas):
// a filtrada pelo departamento nos níveis de departamento com filtro, a da seção nos
// níveis de seção com filtro, a padrão (ConsultaTabela) nos outros. Lança ErroBanco se o
// filtro de departamento não for um Id.
QString SentencaListagem(int numero);
// A contagem correspondente ("SELECT COUNT(Id) FROM ..." com o mesmo filtro; o da seção
// só com naContagem).
QString SentencaContagem(int numero);
// A listagem de uma janela filha (com colunaPai) só com as linhas da linha-mãe de Id
// dado: a listagem da tabela e a linha " WHERE <colunaPai>=<Id><ordemPai>"; sem a mãe
// (Id vazio), a tabela inteira. Lança ErroBanco se o Id não for um inteiro.
QStringList SentencaListagemFilha(int numero, const QString &idPai);
// A contagem correspondente ("SELECT COUNT(Id) FROM ..." e a mesma linha da mãe, sem a
// ordem).
QStringList SentencaContagemFilha(int numero, const QString &idPai);
// A janela conta as linhas antes de listar (e a listagem não dá o total).
bool ContaAntesDeListar(int numero);
// O nível abre a janela, mas não grava nela.
bool NivelSoLeitura(int nivel, int numero);

// Tabela cujas linhas pertencem a um departamento: as janelas filtradas pelo
// departamento e, pela linha dona, as suas filhas (colunaPai) e os seus textos longos.
// Os níveis de departamento só gravam as linhas do seu departamento (no PostgreSQL, pela
// segurança por linha).
struct Confinamento {
    int tabela = 0; // número do catálogo
    QString coluna; // guarda o Id do departamento (sem 'dona') ou o da linha dona
    int dona = 0; // janela da linha dona; 0: 'coluna' é o próprio departamento
    QString vazio = {}; // sem 'dona': coluna do "[vazio]" da linha reservada
};
// Todas, derivadas das entradas acima (as donas antes das filhas).
const QList<Confinamento> &Confinamentos();
const Confinamento *ConfinamentoDe(int tabela); // nulo: tabela não confinada
// O nível pode incluir linhas na tabela da janela: não nos níveis de departamento, na
// tabela cujas linhas são os próprios departamentos (a linha nova não é do departamento).
bool NivelInclui(int nivel, int numero);

// Coluna pela qual o programa procura linhas de uma tabela (além do Id, que é a chave):
// cada uma tem um índice nos dois motores (Esquema::ComandosIndices).
struct Busca {
    QString tabela; // nome físico, como no esquema
    QString coluna;
    bool operator==(const Busca &) const = default;
};
// Todas, sem repetir, derivadas do esquema e das entradas acima: a chave do dono nas
// tabelas de texto longo, a colunaPai das filhas, a coluna do filtro de departamento e a
// do "[vazio]" (as duas do mesmo OR: sem índice numa delas, o motor lê a tabela inteira)
// e a colunaProcura. Os filtros das seções de graduação e de pós-graduação (o começo da
// categoria das disciplinas, o programa preenchido dos diplomas) separam a tabela em
// duas metades: nenhum índice os serviria, e eles não entram.
const QList<Busca> &Buscas();

} // namespace CatalogoJanelas
