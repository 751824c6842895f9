#pragma once
// Calendário escolar (tabela 69): título, data, a marca de período com a data de término
// (visível só nos períodos), descrição, categoria e link. A conversão do ano leva todos os
// itens de um ano para outro, com dia e mês, numa só transação que prende as linhas: ou
// todos, ou nenhum, sem passar por cima do que outra sessão gravou.
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
    // anda os mesmos anos; 29 de fevereiro sem par vira 28). Numa transação que prende as
    // linhas até o fim, lê todas, registra cada uma e grava os itens com um só comando
    // preparado (SentencaConversaoLigada), uma execução por item; false quando algo falhou
    // (nada mudou; a falha foi registrada).
    bool ConverterAno(int de, int para);
    // O comando da conversão com os valores ligados: $1 o Id, $2 e $3 o início e o término
    // novos como AAAA-MM-DD (término nulo: fica como está).
    static QStringList SentencaConversaoLigada();
    // O mesmo comando de uma linha com os valores escritos no texto (sem término: só o
    // início), como o cliente do motor o roda na medida bench_converter_ano.
    static QStringList SentencaConversao(
        const QString &id, const QDate &inicio, const QDate &termino);

protected:
    void MontarControles() override;
};
