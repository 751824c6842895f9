#pragma once
// Publicações de um docente (tabela 26): aberta pela janela de docentes, modal, para o
// docente mostrado (IdDocente, NomeDocente); lista e grava só as publicações dele. As
// caixas de texto que não cabem no tipo escolhido (artigo, livro, capítulo) ficam
// escondidas, com o rótulo à vista, e são gravadas assim mesmo.
#include "Tabela.h"

class TFormTabelaPublicacoes : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaPublicacoes(QWidget *parent = nullptr);

    QString &IdDocente = IdPai;
    QString &NomeDocente = NomePai;

    void MostrarRegistro() override;
    // Mostra as caixas do tipo escrito em EditTipo (todas, para um tipo desconhecido).
    void EditTipoChange();

protected:
    void MontarControles() override;
};
