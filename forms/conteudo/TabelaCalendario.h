#pragma once
// Calendário escolar (tabela 69): título, data, a marca de período com a data de término
// (visível só nos períodos), descrição, categoria e link. A conversão do ano leva todos os
// itens de um ano para outro, com dia e mês, numa só transação: ou todos, ou nenhum.
#include "Tabela.h"

#include <QDate>

class TFormTabelaCalendario : public TFormTabela {
    Q_OBJECT
public:
    explicit TFormTabelaCalendario(QWidget *parent = nullptr);

    // Segunda consulta, só da conversão do ano.
    TQuery *QueryAux = nullptr;

    // "&Converter Ano": o diálogo dos anos, a pergunta, a caixa de espera, a conversão.
    void BitBtnConverterAnoClick();
    // Leva os itens cuja data de início é do ano 'de' para o ano 'para' (a data de término
    // anda os mesmos anos; 29 de fevereiro sem par vira 28). Lê todas as linhas, registra
    // cada uma e grava um comando por item, todos numa transação; false quando algo falhou
    // (nada mudou; a falha foi registrada).
    bool ConverterAno(int de, int para);
    // O comando que grava as datas novas de uma linha (sem término: só o início).
    static QStringList SentencaConversao(
        const QString &id, const QDate &inicio, const QDate &termino);

protected:
    void MontarControles() override;
};
