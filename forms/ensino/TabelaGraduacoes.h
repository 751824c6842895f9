#pragma once
// Graduações (tabela 14): nome completo e oficial, código, departamento, modalidade (lista
// lida uma vez da tabela de códigos 28), reconhecimento, duração, carga horária, período,
// vagas, coordenador, link e dois textos longos (perfil e formação básica) com seus
// rótulos de capacidade. Incluir e Modificar lembram como escrever o nome completo. Serve
// de escolha de graduação às outras janelas (NomePorId: o nome); os níveis de departamento
// (3..6) veem só as graduações do seu departamento.
#include "Tabela.h"

class TFormTabelaGraduacoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaGraduacoes(QWidget *parent = nullptr);

    void BitBtnIncluirClick() override;
    void BitBtnModificarClick() override;

    // O aviso de Incluir e Modificar sobre o nome completo.
    static QString AvisoNome();

protected:
    void MontarControles() override;
};
