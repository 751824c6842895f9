#pragma once
// Descrição de uma janela de tabela: tudo o que a janela-base precisa saber para montar
// os controles, mostrar, limpar e habilitar os campos, conferir os obrigatórios, gravar e
// abrir as janelas filhas. Cada janela descreve-se uma vez; o código próprio fica só para
// o que ela faz diferente. O que as outras partes do programa sabem da janela sem abri-la
// (menu, direitos, filhas, textos longos, filtro de departamento) está no catálogo das
// janelas (CatalogoJanelas), e a descrição é conferida contra ele (ConferirDescricao).
#include "Sentenca.h"
#include "campos/Campos.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Uma coluna gravada pelos comandos de inclusão e alteração. O valor vem do campo da
// coluna (o seu controle e o tipo do valor), a menos que a coluna diga outro.
struct ColunaGravada {
    enum class Presenca {
        Padrao, // inteiros (Ids e números) ficam fora quando vazios; o resto sempre
        Sempre,
        SeNaoVazio, // fora dos dois comandos quando vazia
        SeNaoVaziaNaAlteracao, // fora do UPDATE quando vazia; no INSERT sempre
    };
    enum class Comando { Ambos, SoInclusao, SoAlteracao };

    QString coluna = {};
    // Como o INSERT escreve a coluna, quando não é como o UPDATE (o banco não distingue
    // maiúsculas; vazio: como 'coluna').
    QString grafiaInclusao = {};
    QString controle = {}; // vazio: o controle do campo da coluna
    std::optional<TipoValor> valor = {}; // vazio: o do campo
    Presenca presenca = Presenca::Padrao;
    Comando comando = Comando::Ambos;

    ColunaGravada &DoControle(const QString &nome)
    {
        controle = nome;
        return *this;
    }
    ColunaGravada &Como(TipoValor v)
    {
        valor = v;
        return *this;
    }
    ColunaGravada &Sempre()
    {
        presenca = Presenca::Sempre;
        return *this;
    }
    ColunaGravada &SeNaoVazia()
    {
        presenca = Presenca::SeNaoVazio;
        return *this;
    }
    ColunaGravada &SeNaoVaziaNaAlteracao()
    {
        presenca = Presenca::SeNaoVaziaNaAlteracao;
        return *this;
    }
    ColunaGravada &SoNaInclusao()
    {
        comando = Comando::SoInclusao;
        return *this;
    }
    ColunaGravada &SoNaAlteracao()
    {
        comando = Comando::SoAlteracao;
        return *this;
    }
    ColunaGravada &GrafiaNaInclusao(const QString &grafia)
    {
        grafiaInclusao = grafia;
        return *this;
    }
};

inline ColunaGravada Gravar(const QString &coluna)
{
    ColunaGravada g;
    g.coluna = coluna;
    return g;
}

// As linhas de cabeçalho e fim dos comandos derivados das colunas gravadas, como cada
// janela as escreve (com ou sem o branco antes do parêntese, depois do SET, antes do WHERE).
struct FormatoComandos {
    QString alteracao = QStringLiteral("UPDATE {T} SET ");
    QString onde = QStringLiteral(" WHERE Id={#EditId}");
    QString inclusao = QStringLiteral("INSERT INTO {T}(");
};

// Botão que abre uma janela filha (e-mails, telefones, publicações...). Só enquanto a
// janela consulta (senão a recusa do modo) e, com recusaSemLinha, só com uma linha
// mostrada, que a filha recebe como mãe (Id e nome); sem ela, a filha abre sem mãe.
struct BotaoFilha {
    QString nome; // objectName ("BitBtnEmails")
    QString texto; // "E-mails"
    int numero = 0; // janela filha
    QString recusaModo;
    QString recusaSemLinha;
    bool barraInferior = false; // ao lado de Atualizar (senão, com os botões de edição)
    QSet<int> niveis = {}; // visível só para esses níveis (vazio: todos)
    // O nome da linha-mãe que a filha recebe; com exigeNome, vazio é também a recusa de
    // linha não escolhida.
    QString controleNome = QStringLiteral("EditNome");
    bool exigeNome = false;
};

// Caixas de grupo no mesmo lugar da tela (NoGrupo com mesmoLugarQue), uma à vista de cada
// vez: a que 'escolher' dá para o texto do campo 'campo'. Ao mostrar uma linha, a da coluna
// desse campo na linha (os campos das outras caixas ficam vazios); incluindo ou
// modificando, a cada mudança do campo, de modo que o que está à vista é o que se grava:
// os campos de uma caixa que não está à vista ficam fora dos comandos.
struct CaixasNoMesmoLugar {
    QString campo; // controle que decide ("EditNome"); vazio: nenhuma caixa alterna
    std::function<QString(const QString &texto)> escolher; // objectName da caixa à vista
};

struct DescricaoJanela {
    int numero = 0;
    QList<Campo> campos; // na ordem da tela (e da exibição, se ordemExibicao for vazia)
    // Controles na ordem em que MostrarRegistro os preenche, quando difere da tela
    // (a ordem das consultas de nomes e textos longos no registro de eventos).
    QStringList ordemExibicao;

    // Gravação: as colunas, uma vez, de onde saem o INSERT e o UPDATE no formato dado.
    QList<ColunaGravada> colunas;
    FormatoComandos formato;
    // Saída para os comandos que não seguem a forma comum: as tabelas de linhas escritas
    // à mão (quando não vazias, valem no lugar das derivadas das colunas).
    TabelaLinhas inclusao;
    TabelaLinhas alteracao;

    // Depois de um INSERT bem-sucedido: ProcurarId(numero, texto do controle, coluna),
    // só pela linha do registro; o Id novo vem do banco.
    QString procuraControle;
    QString procuraColuna;

    // Controles cujo texto "[vazio]" marca a linha reservada (modificar só níveis 1 e 2;
    // apagar nunca, a menos que apagaReservada).
    QStringList controlesReservados;
    bool apagaReservada = false; // a linha reservada se apaga como as outras

    // Botões das janelas filhas.
    QList<BotaoFilha> filhas;
    // Lista-filha (colunaPai no catálogo das janelas): o campo do pai mostra a mãe também
    // com a lista vazia (senão, só com uma linha mostrada).
    bool paiSemLinha = false;
    // As caixas de grupo que dividem o mesmo lugar.
    CaixasNoMesmoLugar caixas;
    // Atualizar mostra a janela de novo (listagem e primeira linha).
    bool atualizarMostra = false;

    // Controles que a própria janela cria (MontarControles) e que os comandos ou as
    // listas acima nomeiam.
    QStringList controlesProprios;

    // Largura da janela (a altura é a que os campos pedem).
    int largura = 900;

    bool Grava() const { return !colunas.isEmpty() || !inclusao.isEmpty() || !alteracao.isEmpty(); }
    // O campo de controle dado (ou da coluna dada); nullptr se não há.
    const Campo *CampoDoControle(const QString &controle) const;
    const Campo *CampoDaColuna(const QString &coluna) const;
    // As caixas de grupo que dividem um lugar com outra (objectNames).
    QStringList CaixasAlternadas() const;
    // A caixa alternada em que o campo está (vazio: fora delas).
    QString CaixaAlternadaDe(const Campo &c) const;
    // O comando de gravação: o escrito à mão ou o derivado das colunas.
    TabelaLinhas LinhasInclusao() const;
    TabelaLinhas LinhasAlteracao() const;
};

// Confere a descrição registrada com o número dado contra o catálogo das janelas e o
// esquema do banco; devolve uma linha por defeito ("janela 21: ..."), vazio se nada falta:
// controles desconhecidos nas marcas dos comandos e nas listas, controles repetidos,
// colunas fora do esquema, campos (limite e itens da lista) que não cabem na coluna,
// regras ComLinha que apontam para uma linha de outra presença,
// textos longos, códigos e filhas diferentes dos do catálogo, número diferente.
QStringList ConferirDescricao(const DescricaoJanela &d, int numeroRegistrado);
