#pragma once
// O padrão de execução de um comando, escrito uma vez: fecha a consulta, registra a
// palavra de início, monta as linhas, roda (SELECT abre, o resto executa), registra a
// palavra de fim; uma falha (do banco ou de um valor recusado) vai para RegistrarErro.
#include "Banco.h"

#include <QStringList>
#include <functional>

enum class Passo {
    Consulta, // "consultando..." / "consultado", "<n> registros"
    ConsultaSemTotal, // "consultando..." / "consultado" (o total veio de uma contagem)
    Contagem, // "contando registros..." / "registros contados", "<n> registros"
    Inclusao, // "incluindo..." / "incluído"
    Alteracao, // "alterando..." / "alterado"
    Exclusao, // "apagando..." / "apagado"
    // "consultando..." / "consultado", "<n> registros": mais uma página acrescentada ao
    // resultado aberto (TQuery::Acrescentar); n, as linhas da página.
    Pagina,
};

// O núcleo do padrão: fecha a consulta, registra 'inicio' (se não vazio), monta as linhas e
// roda (abrindo o resultado, com 'abrir', ou executando). Uma falha (do banco ou de um
// valor recusado) vai para RegistrarErro com a fonte n, e devolve false. Quem chama
// registra o fim.
bool RodarComando(TQuery &q, int n, const QString &inicio,
    const std::function<QStringList()> &linhas, bool abrir);

// O resultado já aberto serve de novo (nada mudou desde que foi lido): as palavras de
// início e de fim do passo (Consulta, ConsultaSemTotal ou Contagem), com os 'registros'
// que ele deu, como se o comando rodasse, sem rodar nada.
void RegistrarReuso(int n, Passo passo, int registros);

// A falha percebida antes de o comando do passo rodar (a conexão perdida numa leitura
// preparatória): o registro que o comando que falhou deixaria (a palavra de início e
// RegistrarErro com a fonte n).
void RegistrarFalhaAntes(int n, Passo passo, const ErroBanco &falha);

// Roda o comando das linhas na consulta q, registrando com a fonte n. Na contagem, o
// número de registros é a primeira coluna da única linha. 'registros' recebe o número
// de linhas (consulta), a contagem ou as linhas mudadas (inclusão, alteração,
// exclusão). Devolve false na falha (já registrada); um UPDATE que não muda nenhuma
// linha é uma falha (registrada com "erro", sem caixa: quem grava diz o que houve), com
// 'registros' 0, e também um DELETE com 'semLinha' (a linha procurada) que não apaga
// nenhuma. 'semLinha', quando dado, é chamado quando um UPDATE ou DELETE não muda
// nenhuma linha, antes da palavra de fim: o ErroBanco que ele lançar (a linha existe mas
// este login não a grava, RecusarLinhaProtegida) é a falha do comando.
bool ExecutarComando(TQuery &q, int n, Passo passo, const std::function<QStringList()> &linhas,
    int *registros = nullptr, const std::function<void()> &semLinha = {});
