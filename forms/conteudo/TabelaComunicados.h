#pragma once
// Comunicados e eventos (tabela 70): título, data, categoria, área, descrição, local, três
// textos (comentários, informações, questões), contato, link, a marca do formulário de
// licitação e o departamento. Um nível de departamento lista só os seus comunicados e
// inclui com o seu departamento, sem poder trocá-lo. A categoria "Concurso" esconde a
// marca e as questões do registro mostrado.
#include "Tabela.h"

class TFormTabelaComunicados : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaComunicados(QWidget *parent = nullptr);

    void MostrarRegistro() override;
    void HabilitarCampos(bool on) override;
    void BitBtnIncluirClick() override;
    void BitBtnModificarClick() override;

    // A marca e as questões visíveis, a não ser num comunicado de "Concurso".
    void EditCategoriaChange();
    // O lembrete de usar só os campos do tipo de comunicado.
    static void MostrarAvisoCampos();
};
