#pragma once
// Ações sobre janelas modais nos testes: a ação roda assim que uma janela modal
// aparece (a próxima que o laço de eventos mostrar), sem bloquear o teste.
#include <QString>
#include <functional>

class QWidget;

// Roda 'acao' com a primeira janela modal ativa que aparecer (de tipo qualquer, ou com
// o objectName dado). Desiste depois de 'esperaMs' para o teste não ficar preso.
void AoAbrirModal(
    std::function<void(QWidget *)> acao, const QString &nome = QString(), int esperaMs = 10000);
// O mesmo, com a primeira janela modal ativa que 'qual' aceitar (uma janela modal aberta
// por cima de outra que já é modal).
void AoAbrirModalQue(
    std::function<bool(QWidget *)> qual, std::function<void(QWidget *)> acao, int esperaMs = 10000);

// Clica no botão de objectName 'botao' da janela (QAbstractButton).
void Clicar(QWidget *janela, const QString &botao);
