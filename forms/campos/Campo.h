#pragma once
// Descrição de um campo de uma janela de tabela: a coluna que mostra, o controle, o
// rótulo, o limite e as regras. A espécie do campo (caixa de texto, memo, lista, data,
// pesquisa...) é a classe que monta o controle e sabe mostrar, ler, limpar e habilitar o
// valor; cada espécie está num arquivo desta pasta, com o construtor da sua descrição.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ControleCampo;
class TFormTabela;

// Como o valor do campo entra nos comandos (e as colunas gravadas o leem).
enum class TipoValor {
    Texto, // 'texto' (aspas internas dobradas)
    Inteiro, // número sem aspas (Ids das pesquisas, números)
    Marca, // 'S' ou 'N'
    Data, // 'M/D/AAAA'
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

// O que Incluir põe no campo depois de limpá-lo.
enum class InicioCampo {
    Vazio,
    Marcado, // caixa de marcação marcada
    Agora, // data (e hora) do momento do clique
};

// Lugar de um campo dentro de uma página de abas ou de uma caixa de grupo.
struct LugarCampo {
    QString pagina; // objectName da página (vazio: fora das abas)
    QString tituloPagina;
    QString grupo; // objectName da caixa de grupo (vazio: fora de caixa)
    QString tituloGrupo;
    QString mesmoLugarQue; // outra caixa de grupo que ocupa o mesmo lugar na tela
};

struct Campo {
    using Fabrica = std::function<std::unique_ptr<ControleCampo>(const Campo &)>;

    Fabrica especie; // cria o controle da espécie (posto pelo construtor da descrição)
    TipoValor valor = TipoValor::Texto;
    QString coluna; // coluna da linha da listagem (vazia: não vem da linha)
    QString controle; // objectName (na pesquisa, a caixa do Id: "EditDepartamento")
    QString rotulo; // texto do rótulo (vazio: sem rótulo)
    int tamanho = 0; // máximo de caracteres (0: sem limite)
    RegraCampo regra = RegraCampo::Escrita;
    QString obrigatorio; // mensagem quando vazio no Aceitar
    bool aoLado = false; // na mesma linha do campo anterior (um ao lado do outro)
    bool largo = false; // ocupa o resto da linha (textos compridos)
    QString legenda; // linha de legenda acima do campo ("Se o docente for externo:")
    // Rótulo depois do campo, na mesma linha (a unidade: "KBytes", "pontos"), e o seu
    // objectName (vazio: "LabelUnidade" + controle).
    QString unidade, nomeUnidade;
    QString dica; // texto que aparece sobre o controle (dica de ferramenta)
    bool semEspacosFinais = false; // RemoverEspacosFinais ao mostrar
    QStringList itens; // listas
    QString mascara; // máscara de digitação
    int minimo = 0, maximo = 0; // números com setas
    // Data e hora: rótulos das listas da hora e do minuto (ComboBoxHora, ComboBoxMinuto) ao
    // lado da data; vazios, só a data, gravada à meia-noite.
    QString rotuloHora, rotuloMinuto;
    InicioCampo aoIncluir = InicioCampo::Vazio;
    LugarCampo lugar;
    // Lista cujos itens vêm de uma tabela de códigos (número e coluna), carregada uma vez
    // por execução, antes da primeira listagem da janela.
    int tabelaCodigos = 0;
    QString colunaCodigos;

    // Pesquisa
    int escolha = 0; // número da janela que escolhe
    QString sufixoNome = QStringLiteral("_Nome");
    PesquisaFixa fixa = PesquisaFixa::Nao;
    // Conferência de nível, feita em todo modo antes do resto: devolve a mensagem de
    // recusa (vazia: permitido).
    std::function<QString(TFormTabela &)> nivel;
    // Regra depois da escolha, com o Id e o nome escolhidos já nos campos: false recusa
    // (a janela mostra a sua mensagem, e os campos voltam ao que eram).
    std::function<bool(TFormTabela &, const QString &id)> regraExtra;
    // Outra exibição do nome (no lugar do NomePorId de quem escolhe).
    std::function<QString(TFormTabela &, const QString &id)> exibir;
    // Regra da janela depois que o Id e o nome escolhidos já estão no campo (uma pesquisa
    // que esvazia outra).
    std::function<void(TFormTabela &)> depoisDeEscolher;

    // Texto longo (memo guardado numa tabela de descrição)
    int tabelaTexto = 0;
    QString chaveTexto; // coluna-chave da tabela de descrição ("Departamento")
    bool capacidade = false; // rótulo LabelCapacidade<coluna> com a porcentagem usada
    int linhasVisiveis = 0; // memo: altura fixa de tantas linhas (0: a do padrão)

    QString nomeRotulo; // objectName do rótulo, quando não é "Label" + controle

    QString ControleNome() const { return controle + sufixoNome; }
    // Nome do rótulo do campo ("LabelEditNome", ou o dado por NomeRotulo).
    QString ControleRotulo() const
    {
        return nomeRotulo.isEmpty() ? QStringLiteral("Label") + controle : nomeRotulo;
    }
    // Nome do rótulo da unidade ("LabelKBytes", ou "LabelUnidade" + controle).
    QString ControleUnidade() const
    {
        return nomeUnidade.isEmpty() ? QStringLiteral("LabelUnidade") + controle : nomeUnidade;
    }
    bool TextoLongo() const { return tabelaTexto > 0; }
    bool Pesquisa() const { return escolha > 0; }
    // Nome do rótulo de capacidade do memo ("LabelCapacidadeDescricao").
    QString ControleCapacidade() const;

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
    Campo &Largo()
    {
        largo = true;
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
    Campo &Capacidade(bool com = true)
    {
        capacidade = com;
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
    Campo &NomeRotulo(const QString &nome)
    {
        nomeRotulo = nome;
        return *this;
    }
    Campo &Dica(const QString &texto)
    {
        dica = texto;
        return *this;
    }
    Campo &AoIncluir(InicioCampo inicio)
    {
        aoIncluir = inicio;
        return *this;
    }
    Campo &Legenda(const QString &texto)
    {
        legenda = texto;
        return *this;
    }
    // O rótulo depois do campo (companheiro dele), com o objectName dado ou o do padrão.
    Campo &Unidade(const QString &texto, const QString &nome = {})
    {
        unidade = texto;
        nomeUnidade = nome;
        return *this;
    }
    Campo &Exibir(std::function<QString(TFormTabela &, const QString &id)> nome)
    {
        exibir = std::move(nome);
        return *this;
    }
    Campo &DepoisDeEscolher(std::function<void(TFormTabela &)> regra)
    {
        depoisDeEscolher = std::move(regra);
        return *this;
    }
    // Pesquisa só para os níveis de acesso dados; os outros recebem a recusa, em todo modo.
    Campo &SoNosNiveis(const QList<int> &niveis, const QString &recusa);
    // Outro nome de controle que o do padrão (coluna "Codpes" no controle "EditCodKVA").
    Campo &NoControle(const QString &nome)
    {
        controle = nome;
        return *this;
    }
    Campo &Codigos(int tabela, const QString &colunaDaTabela)
    {
        tabelaCodigos = tabela;
        colunaCodigos = colunaDaTabela;
        return *this;
    }
    // Como o valor entra nos comandos, quando difere do da espécie.
    Campo &Valor(TipoValor v)
    {
        valor = v;
        return *this;
    }
    // Na aba 'pagina' (objectName) de título dado, das abas da janela.
    Campo &NaPagina(const QString &pagina, const QString &titulo)
    {
        lugar.pagina = pagina;
        lugar.tituloPagina = titulo;
        return *this;
    }
    // Dentro da caixa de grupo 'grupo' (objectName) de título dado; com 'mesmoLugarQue',
    // a caixa ocupa o lugar de outra (só uma das duas fica visível).
    Campo &NoGrupo(const QString &grupo, const QString &titulo, const QString &mesmoLugarQue = {})
    {
        lugar.grupo = grupo;
        lugar.tituloGrupo = titulo;
        lugar.mesmoLugarQue = mesmoLugarQue;
        return *this;
    }
};
