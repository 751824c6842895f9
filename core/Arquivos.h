#pragma once
// Gravação de arquivos inteiros (o registro de eventos, o Tarvisco.ini) com o motivo de
// uma falha dito em português, como o sistema o informou (disco cheio, permissão negada,
// um arquivo no lugar da pasta...).
#include <QByteArray>
#include <QString>

namespace Arquivos {
// Substitui o arquivo pelo conteúdo dado: grava um arquivo temporário na mesma pasta e
// o renomeia por cima do antigo, que fica intacto quando a gravação falha. Numa pasta sem
// permissão de criar arquivos, um arquivo existente que aceite escrita é gravado direto.
// false e 'motivo' preenchido se falhar.
bool Gravar(const QString &caminho, const QByteArray &conteudo, QString *motivo);

// Cria a pasta (e as de cima) quando não existe. false e 'motivo' se não conseguir.
bool CriarPasta(const QString &caminho, QString *motivo);

// O motivo de uma falha do sistema (errno) em português.
QString Motivo(int codigo);
} // namespace Arquivos
