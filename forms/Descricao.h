#pragma once
// Descrição de uma janela de tabela: tudo o que a janela-base precisa saber para montar
// os controles, mostrar, limpar e habilitar os campos, conferir os obrigatórios e gravar.
// Cada janela descreve-se uma vez; o código próprio fica só para o que ela faz diferente.
#include "Sentenca.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TFormTabela;

// Espécie do controle de um campo.
enum class TipoCampo {
    Edit, // caixa de texto (QLineEdit)
    Memo, // texto de várias linhas (QPlainTextEdit)
    ComboLista, // lista só de escolha
    ComboEditavel, // lista em que também se digita
    CheckBox, // caixa de marcação
    Data, // seletor de data (mínimo 1/1/2000)
    Spin, // número com setas
    Mascara, // caixa de texto com máscara
    Pesquisa, // par Id + nome de outra tabela (duplo clique escolhe)
};

// O que HabilitarCampos(on) faz com o campo.
enum class RegraCampo {
    Escrita, // editável e branco (on) / só leitura na cor de botão (off)
    Habilitar, // habilitado e branco (on) / desabilitado na cor de botão (off)
    HabilitarAmarelo, // habilitado na cor das pesquisas (on) / desabilitado na cor de botão (off)
    SoCor, // branco (on) / cor de botão (off), nunca só leitura
    Livre, // não é tocado (caixas de marcação clicáveis em todo modo)
    Fixo, // sempre só leitura na cor de botão (o pai de uma lista-filha)
};

// Campo de pesquisa fixo (o pai de uma lista-filha): o que o duplo clique faz.
enum class PesquisaFixa {
    Nao, // pesquisa normal
    Mensagem, // "Esse campo já está preenchido."
    Nada, // o duplo clique não faz nada
};

struct Campo {
    TipoCampo tipo = TipoCampo::Edit;
    QString coluna; // coluna da linha da listagem (vazia: não vem da linha)
    QString controle; // objectName (na pesquisa, a caixa do Id: "EditDepartamento")
    QString rotulo; // texto do rótulo (vazio: sem rótulo)
    int tamanho = 0; // máximo de caracteres (0: sem limite)
    RegraCampo regra = RegraCampo::Escrita;
    QString obrigatorio; // mensagem quando vazio no Aceitar
    bool aoLado = false; // na mesma linha do campo anterior
    QString legenda; // linha de legenda acima do campo ("Se o docente for externo:")
    bool semEspacosFinais = false; // RemoverEspacosFinais ao mostrar
    QStringList itens; // listas
    QString mascara; // Mascara

    // Pesquisa
    int escolha = 0; // número da janela que escolhe
    QString sufixoNome = QStringLiteral("_Nome");
    PesquisaFixa fixa = PesquisaFixa::Nao;
    // Conferência de nível, feita em todo modo antes do resto: devolve a mensagem de
    // recusa (vazia: permitido).
    std::function<QString(TFormTabela &)> nivel;
    // Regra depois da escolha: false recusa (a janela mostra a sua mensagem).
    std::function<bool(TFormTabela &, const QString &id)> regraExtra;
    // Outra exibição do nome (no lugar do NomePorId de quem escolhe).
    std::function<QString(TFormTabela &, const QString &id)> exibir;

    // Texto longo (Memo guardado numa tabela de descrição)
    int tabelaTexto = 0;
    QString chaveTexto; // coluna-chave da tabela de descrição ("Departamento")
    bool capacidade = false; // rótulo LabelCapacidade<coluna> com a porcentagem usada
    int linhasVisiveis = 0; // memo: altura fixa de tantas linhas (0: a do padrão)

    QString ControleNome() const { return controle + sufixoNome; }
    bool TextoLongo() const { return tabelaTexto > 0; }

    // Modificadores para escrever descrições em uma linha.
    Campo &Obrigatorio(const QString &mensagem)
    {
        obrigatorio = mensagem;
        return *this;
    }
    Campo &AoLado()
    {
        aoLado = true;
        return *this;
    }
    Campo &Regra(RegraCampo r)
    {
        regra = r;
        return *this;
    }
    Campo &SemEspacosFinais()
    {
        semEspacosFinais = true;
        return *this;
    }
    Campo &Itens(const QStringList &lista)
    {
        itens = lista;
        return *this;
    }
    Campo &Capacidade()
    {
        capacidade = true;
        return *this;
    }
    Campo &Fixa(PesquisaFixa f)
    {
        fixa = f;
        regra = RegraCampo::Fixo;
        return *this;
    }
    Campo &ForaDaLinha()
    {
        coluna.clear();
        return *this;
    }
    Campo &LinhasVisiveis(int n)
    {
        linhasVisiveis = n;
        return *this;
    }
    Campo &Legenda(const QString &texto)
    {
        legenda = texto;
        return *this;
    }
    // Outro nome de controle que o do padrão (coluna "Codpes" no controle "EditCodKVA").
    Campo &NoControle(const QString &nome)
    {
        controle = nome;
        return *this;
    }
};

// Construtores de campos (controle com o prefixo do tipo e o nome da coluna).
Campo CampoEdit(const QString &coluna, const QString &rotulo, int tamanho);
Campo CampoMemo(const QString &coluna, const QString &rotulo, int tamanho);
Campo CampoLista(const QString &coluna, const QString &rotulo, const QStringList &itens,
    bool editavel, int tamanho = 0);
Campo CampoMarcacao(const QString &coluna, const QString &rotulo);
Campo CampoData(const QString &coluna, const QString &controle, const QString &rotulo);
Campo CampoSpin(const QString &coluna, const QString &rotulo, int minimo, int maximo);
Campo CampoMascara(const QString &coluna, const QString &rotulo, const QString &mascara);
// Pesquisa: EditX (Id, escondido) e EditX_Nome (nome, duplo clique), escolhida na janela
// 'escolha'.
Campo CampoPesquisa(const QString &coluna, const QString &rotulo, int escolha);
// Texto longo: MemoX guardado na tabela de descrição 'tabela', chave 'chave'.
Campo CampoTextoLongo(
    const QString &coluna, const QString &rotulo, int tamanho, int tabela, const QString &chave);

struct DescricaoJanela {
    int numero = 0;
    QList<Campo> campos; // na ordem da tela (e da exibição, se ordemExibicao for vazia)
    // Controles na ordem em que MostrarRegistro os preenche, quando difere da tela
    // (a ordem das consultas de nomes e textos longos no registro de eventos).
    QStringList ordemExibicao;

    // Comandos como as tabelas de linhas (vazios: a janela não grava).
    TabelaLinhas inclusao;
    TabelaLinhas alteracao;

    // NomePorId: coluna de exibição (vazia: Nome, Titulo ou Sigla, a que houver).
    QString colunaExibicao;
    bool exibicaoSemEspacos = false;

    // Depois de um INSERT bem-sucedido: ProcurarId(numero, texto do controle, coluna),
    // só pela linha do registro; o Id novo vem do banco.
    QString procuraControle;
    QString procuraColuna;

    // Controles cujo texto "[vazio]" marca a linha reservada (modificar só níveis 1 e 2;
    // apagar nunca).
    QStringList controlesReservados;

    bool Grava() const { return !inclusao.isEmpty() || !alteracao.isEmpty(); }
};
