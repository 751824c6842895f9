#pragma once
// Listas de contatos (e-mails e telefones de departamentos, seções e docentes): uma
// família de janelas-filhas que a janela-mãe mostra modal para uma linha sua. A família
// é descrita uma vez; cada janela difere só pela sua linha da tabela de diferenças.
#include "Tabela.h"

struct DiferencasContato {
    int numero = 0;
    bool telefone = false; // telefones (Categoria, Telefone) ou e-mails (Email)
    QString colunaPai; // "Departamento", "Secao", "Docente"
    QString rotuloPai; // "Depto", "Seção", "Docente"
    int janelaPai = 0; // número da janela-mãe
    QString mensagemPai; // pai vazio no Aceitar
    PesquisaFixa duploClique = PesquisaFixa::Nada; // no nome do pai
    bool paiOpcional = false; // a coluna do pai sai dos comandos quando vazia
    bool ondeSemEspaco = false; // "WHERE Id=" sem o espaço antes
    bool escolherOculto = false; // sem "&Selecionar Registro Atual e Sair"
    bool atualizarMostra = false; // Atualizar mostra a janela de novo
    bool erroSemId = false; // modificar sem Id mostra "Erro" antes do comando
};

class TFormTabelaContatos : public TFormTabela {
    Q_OBJECT
public:
    TFormTabelaContatos(const DiferencasContato &diferencas, QWidget *parent = nullptr);

    const DiferencasContato &Diferencas() const { return m_dif; }
    // A tabela de diferenças das seis janelas.
    static DiferencasContato DiferencasDe(int numero);

    void BitBtnAceitarClick() override;

protected:
    void MontarControles() override;

private:
    DiferencasContato m_dif;
};

class TFormTabelaEmailsDepartamentos : public TFormTabelaContatos {
    Q_OBJECT
public:
    explicit TFormTabelaEmailsDepartamentos(QWidget *parent = nullptr)
        : TFormTabelaContatos(DiferencasDe(22), parent)
    {
    }
    QString &IdDepartamento = IdPai;
    QString &NomeDepartamento = NomePai;
};

class TFormTabelaTelefonesDepartamentos : public TFormTabelaContatos {
    Q_OBJECT
public:
    explicit TFormTabelaTelefonesDepartamentos(QWidget *parent = nullptr)
        : TFormTabelaContatos(DiferencasDe(16), parent)
    {
    }
    QString &IdDepartamento = IdPai;
    QString &NomeDepartamento = NomePai;
};

class TFormTabelaEmailsSecoes : public TFormTabelaContatos {
    Q_OBJECT
public:
    explicit TFormTabelaEmailsSecoes(QWidget *parent = nullptr)
        : TFormTabelaContatos(DiferencasDe(23), parent)
    {
    }
    QString &IdSecao = IdPai;
    QString &NomeSecao = NomePai;
};

class TFormTabelaTelefonesSecoes : public TFormTabelaContatos {
    Q_OBJECT
public:
    explicit TFormTabelaTelefonesSecoes(QWidget *parent = nullptr)
        : TFormTabelaContatos(DiferencasDe(24), parent)
    {
    }
    QString &IdSecao = IdPai;
    QString &NomeSecao = NomePai;
};

class TFormTabelaEmailsDocentes : public TFormTabelaContatos {
    Q_OBJECT
public:
    explicit TFormTabelaEmailsDocentes(QWidget *parent = nullptr)
        : TFormTabelaContatos(DiferencasDe(25), parent)
    {
    }
    QString &IdDocente = IdPai;
    QString &NomeDocente = NomePai;
};

class TFormTabelaTelefonesDocentes : public TFormTabelaContatos {
    Q_OBJECT
public:
    explicit TFormTabelaTelefonesDocentes(QWidget *parent = nullptr)
        : TFormTabelaContatos(DiferencasDe(17), parent)
    {
    }
    QString &IdDocente = IdPai;
    QString &NomeDocente = NomePai;
};
