#pragma once
// Níveis de acesso, nível e filtro correntes, listagens padrão das tabelas.
#include <QString>

constexpr int NumeroNiveis = 12;

// 0 antes de escolher; 1..12 depois. Não volta a 0 ao desconectar.
extern int NivelAcesso;
// Filtro de linhas do nível: Id do departamento (níveis 3..6), "Graduação" (9),
// "Pós-Graduação" (10) ou vazio.
extern QString FiltroTabelas;

QString NomeNivel(int nivel);
QString UsuarioNivel(int nivel);
QString DepartamentoNivel(int nivel);

// Ações da categoria "Tabela" (pela etiqueta) visíveis para o nível.
bool NivelVeTabela(int nivel, int etiqueta);
// Níveis de departamento (3..6): listam só as linhas do seu departamento.
bool NivelDeDepartamento(int nivel);
// O filtro de departamento vale agora: nível 3..6 com FiltroTabelas preenchido.
bool FiltroDeDepartamentoAtivo();
// Seções de graduação (9) e de pós-graduação (10): listam só as linhas da sua seção.
bool NivelDeSecao(int nivel);
// O filtro de seção vale agora: nível 9 ou 10 com FiltroTabelas preenchido.
bool FiltroDeSecaoAtivo();
// Só os níveis 2 e 7 não excluem registros.
bool NivelPodeExcluir(int nivel);
// Só os níveis 1 e 2 modificam as linhas "[vazio]".
bool NivelModificaReservadas(int nivel);

// Listagem padrão da tabela n (vazia nas tabelas de textos longos).
QString ConsultaTabela(int n);
