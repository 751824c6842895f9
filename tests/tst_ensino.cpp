// Janelas do ensino nos dois motores, sobre os dados de demonstração: disciplinas
// (registro com as oito abas, listagem e contagem por nível, Duplicar, comandos exatos,
// campos obrigatórios), disciplinas oferecidas (os cinco horários, a regra exclusiva dos
// programas gravando NULL), requisitos com a escolha de disciplinas, o rodízio que troca
// de tabela e os horários com o programa da oferta proposto.
#include "QuadroEditores.h"
#include "editores_apoio.h"

#include "TabelaDisciplinas.h"
#include "TabelaDisciplinasOferecidas.h"
#include "TabelaDisciplinasRequisitos.h"
#include "TabelaDisciplinasRodizios.h"
#include "TabelaHorarios.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using Apoio::Digitar;
using Apoio::Edit;
using Apoio::Linhas;

namespace {
const QStringList Memos = { u"Objetivos"_s, u"Conteudo"_s, u"MetodosUtilizados"_s, u"Atividades"_s,
    u"Avaliacao"_s, u"Recuperacao"_s, u"Bibliografia"_s, u"Comentarios"_s };
} // namespace

class TesteEnsino : public QuadroEditores {
    Q_OBJECT

    QPlainTextEdit *memo(TFormTabela *j, const QString &coluna)
    {
        return j->Controle<QPlainTextEdit>(u"Memo"_s + coluna);
    }
    QComboBox *combo(TFormTabela *j, const QString &nome) { return j->Controle<QComboBox>(nome); }
    QStringList textos(const QString &id)
    {
        QStringList l;
        for (const QString &m : Memos)
            l << valor(u"SELECT Texto FROM Disciplinas%1 WHERE Disciplina=%2"_s.arg(m, id));
        return l;
    }
    // Abre a filha 'numero' pelo botão da mãe, na linha mostrada, e age nela (esperada
    // pelo nome: a mãe pode ser ela mesma uma filha modal).
    void abrirFilha(TFormTabela *mae, const QString &botao, int numero,
        const std::function<void(TFormTabela *)> &acao)
    {
        TFormTabela *filha = Registro::Janela(numero);
        const QString nome = u"filha%1"_s.arg(numero);
        filha->setObjectName(nome);
        bool abriu = false;
        AoAbrirModal(
            [&](QWidget *w) {
                abriu = true;
                QCOMPARE(w, filha);
                acao(filha);
                if (filha->isVisible())
                    filha->BitBtnFechar->click();
            },
            nome);
        mae->Controle<QPushButton>(botao)->click();
        QVERIFY(abriu);
    }

private slots:
    // ---- Disciplinas -----------------------------------------------------------------

    void disciplinaMostraORegistro()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(32);
        QVERIFY(qobject_cast<TFormTabelaDisciplinas *>(j));
        j->show();
        QCOMPARE(j->windowTitle(), u"Tabela Disciplinas"_s);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (14) "_s);
        auto *abas = j->Controle<QTabWidget>(u"PageControl1"_s);
        QCOMPARE(abas->count(), 8);
        QCOMPARE(abas->tabText(2), u"Métodos"_s);
        abas->setCurrentIndex(5);
        Apoio::Eventos().Limpar();
        CLICAR_ID(j, u"5"_s);
        QVERIFY(r.mostradas.isEmpty());
        QCOMPARE(abas->currentIndex(), 0);
        QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), u"QFI0110"_s);
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Física I"_s);
        QCOMPARE(Edit(j, u"EditDepartamento_Nome"_s)->text(), u"Física e Matemática"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), u"Graduação - Licenciatura"_s);
        QCOMPARE(combo(j, u"EditTipo"_s)->currentText(), u"Obrigatória"_s);
        QCOMPARE(Edit(j, u"EditCargaHorariaAulasTeoricas"_s)->text(), u"60"_s);
        QCOMPARE(Edit(j, u"EditSemanas"_s)->text(), u"15"_s);
        QCOMPARE(Edit(j, u"EditVagas"_s)->text(), u"60"_s);
        QCOMPARE(Edit(j, u"EditHorario"_s)->text(), u"2ª, 4ª e 6ª, das 14h às 16h"_s);
        for (int i = 0; i < Memos.size(); ++i) {
            QCOMPARE(memo(j, Memos[i])->toPlainText(),
                QString(textos(u"5"_s).at(i)).replace(u"\r\n"_s, u"\n"_s));
            QVERIFY(!j->Controle(u"LabelCapacidade"_s + Memos[i]));
        }
        // A linha, o departamento e os oito textos, na ordem das tabelas.
        const QStringList lidas = Linhas();
        QCOMPARE(lidas.size(), 9);
        QCOMPARE(lidas.first(), u"Departamentos, consultado"_s);
        QVERIFY(Edit(j, u"EditCodigoKVA"_s)->isReadOnly());
        QVERIFY(!combo(j, u"EditTipo"_s)->isEnabled());
        // DadosPorId e DadosComDepartamentoPorId.
        auto *d = TFormTabelaDisciplinas::Janela();
        const DadosDisciplina dados = d->DadosPorId(u"10"_s);
        QCOMPARE(QStringList({ dados.codigo, dados.nome, dados.semestre, dados.vagas,
                     dados.responsavel, dados.departamento }),
            QStringList({ u"QPS0220"_s, u"Estágio Supervisionado em Psicologia Escolar"_s, u"9"_s,
                u"20"_s, u"Laurentino Biriba Macedo"_s, QString() }));
        const DadosDisciplina comDepto = d->DadosComDepartamentoPorId(u"10"_s);
        QCOMPARE(comDepto.departamento, u"Psicologia e Educação"_s);
        QCOMPARE(d->DadosPorId(QString()).codigo, QString());
    }

    void listagemDoNivel_data()
    {
        QTest::addColumn<int>("nivel");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("sentenca");
        QStringList todos;
        for (int i = 1; i <= 14; ++i)
            todos << QString::number(i);
        QTest::newRow("Administrador")
            << 1 << todos << u"SELECT * FROM Disciplinas ORDER BY CodigoKVA,Nome"_s;
        QTest::newRow("Biologia") << 3 << QStringList { u"1"_s, u"2"_s, u"3"_s, u"4"_s }
                                  << u"SELECT * FROM Disciplinas WHERE Departamento=2 OR "
                                     "Nome='[vazio]' ORDER BY CodigoKVA, Nome"_s;
        QTest::newRow("Química") << 6 << QStringList { u"1"_s, u"11"_s, u"12"_s } << QString();
        QTest::newRow("Graduação")
            << 9
            << QStringList { u"1"_s, u"2"_s, u"3"_s, u"5"_s, u"6"_s, u"7"_s, u"9"_s, u"10"_s,
                   u"11"_s, u"13"_s, u"14"_s }
            << u"SELECT * FROM Disciplinas WHERE  SUBSTRING(Categoria,1,13)<>'Pós-Graduação' OR "
               "Nome='[vazio]' ORDER BY CodigoKVA, Nome"_s;
        QTest::newRow("Pós-graduação")
            << 10 << QStringList { u"1"_s, u"4"_s, u"8"_s, u"12"_s }
            << u"SELECT * FROM Disciplinas WHERE  SUBSTRING(Categoria,1,13)='Pós-Graduação' OR "
               "Nome='[vazio]' ORDER BY CodigoKVA, Nome"_s;
    }
    // As mesmas linhas e a mesma contagem nos dois motores (a modalidade com acentos).
    void listagemDoNivel()
    {
        QFETCH(int, nivel);
        QFETCH(QStringList, ids);
        QFETCH(QString, sentenca);
        BANCO_DEMONSTRACAO(b, nivel);
        Roteiro r;
        TFormTabela *j = Registro::Janela(32);
        j->show();
        QVERIFY(r.mostradas.isEmpty());
        QStringList listados = Editores::IdsListados(j);
        std::sort(listados.begin(), listados.end(),
            [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        QCOMPARE(listados, ids);
        QCOMPARE(j->GroupBox2->title(), u" Listagem (%1) "_s.arg(ids.size()));
        if (!sentenca.isEmpty())
            QCOMPARE(j->Query->TextoComando(), sentenca);
    }

    // Duplicar bloqueia a lista como Incluir; a cópia recebe o Id novo e os seus textos
    // (também os mudados durante a cópia); os da original ficam como estavam, mesmo com
    // o código repetido.
    void duplicarDaACopiaOsSeusTextos()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *j = Registro::Janela(32);
        j->show();
        CLICAR_ID(j, u"5"_s);
        const QStringList originais = textos(u"5"_s);
        r.Responder(true);
        j->Controle<QPushButton>(u"BitBtnDuplicar"_s)->click();
        QCOMPARE(r.Textos(),
            QStringList({ u"Você realmente deseja dupliar o registro dessa disciplina?\n\r\n\r"
                          "Id: 5\n\rNome: Física I"_s,
                u"Uma cópia desse registro foi gerada em outra posição na tabela."_s }));
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(!j->DBGridPesquisa->isEnabled());
        QVERIFY(!j->Controle(u"BitBtnDuplicar"_s)->isVisible());
        QCOMPARE(Edit(j, u"EditNome"_s)->text(), u"Física I"_s);
        memo(j, u"Comentarios"_s)->setPlainText(u"Cópia para a turma 'B' \\ noturna"_s);
        r.Limpar();
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        QVERIFY(j->DBGridPesquisa->isEnabled());
        QCOMPARE(valor(u"SELECT MAX(Id) FROM Disciplinas"_s), u"15"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM Disciplinas WHERE CodigoKVA='QFI0110'"_s), u"2"_s);
        QCOMPARE(textos(u"5"_s), originais);
        QStringList esperados = originais;
        esperados.last() = u"Cópia para a turma 'B' \\ noturna"_s;
        QCOMPARE(textos(u"15"_s), esperados);
        QCOMPARE(valor(u"SELECT Nome FROM Disciplinas WHERE Id=15"_s), u"Física I"_s);
        QVERIFY(j->Controle(u"BitBtnDuplicar"_s)->isVisible());
        // Fora da consulta e sem disciplina, as recusas.
        j->BitBtnModificar->click();
        r.Limpar();
        static_cast<TFormTabelaDisciplinas *>(j)->BitBtnDuplicarClick();
        QCOMPARE(r.Textos(),
            QStringList { u"Não é possível duplicar essa disciplina durante os modos "
                          "Incluir/Modificar/Excluir/Consultar."_s });
        j->BitBtnCancelar->click();
    }

    // Incluir: código e departamento antes do semestre; a mensagem da optativa; números
    // vazios fora do INSERT; texto hostil no memo e numa lista digitada à mão.
    void disciplinaInclui()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDisciplinas>(32);
        Roteiro r;
        j->show();
        j->BitBtnIncluir->click();
        QVERIFY(r.mostradas.isEmpty());
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList {
                u"O campo Código KVA precisa estar preenchido. Operação interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        Digitar(j, u"EditCodigoKVA"_s, u"QBI0900"_s);
        r.Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList {
                u"O campo Departamento precisa estar preenchido. Operação interrompida."_s });
        QCOMPARE(j->Modo, ModoTabela::Incluindo);
        QVERIFY(j->comandos.isEmpty());
        Digitar(j, u"EditNome"_s, u"Biologia 'Marinha' \\ costeira"_s);
        Editores::Escolher(j, u"EditDepartamento_Nome"_s, 10, u"2"_s);
        const QString modalidade = u"Modalidade 'x'; DROP TABLE Disciplinas; --\\"_s;
        Editores::Teclar(combo(j, u"EditCategoria"_s)->lineEdit(), modalidade);
        combo(j, u"EditTipo"_s)->setCurrentIndex(1);
        Digitar(j, u"EditCargaHorariaAulasTeoricas"_s, u"45x6"_s);
        Digitar(j, u"EditSemanas"_s, u"123"_s);
        const QString objetivos = u"Objetivo \"1\"\n'2' \\ 3"_s;
        Editores::Teclar(memo(j, u"Objetivos"_s), objetivos);
        r.Limpar();
        j->BitBtnAceitar->click();
        QCOMPARE(r.Textos(),
            QStringList { u"O campo Semestre está em branco. Será assumido o valor 0 (zero) "
                          "para representar uma disciplina optativa."_s });
        QCOMPARE(j->comandos.size(), 1);
        QCOMPARE(j->comandos.first().split(u"\r\n"_s),
            QStringList({ u"INSERT INTO Disciplinas ("_s, u"CodigoKVA"_s, u",Nome"_s, u",Sigla"_s,
                u",Departamento"_s, u",Categoria"_s, u",Regime"_s, u",Tipo"_s, u",PalavraChave"_s,
                u",DeptoExterno"_s, u",CargaHorariaAulasTeoricas"_s, u",Semanas"_s,
                u",SemestreIdeal"_s, u",Horario"_s, u") VALUES ("_s, u"'QBI0900'"_s,
                u",'Biologia ''Marinha'' \\ costeira'"_s, u",''"_s, u",2"_s,
                u",'Modalidade ''x''; DROP TABLE Disciplinas; --\\'"_s, u",''"_s,
                u",'Optativa Eletiva'"_s, u",''"_s, u",''"_s, u",456"_s, u",12"_s, u",0"_s,
                u",''"_s, u")"_s }));
        QCOMPARE(valor(u"SELECT Categoria FROM Disciplinas WHERE Id=15"_s), modalidade);
        QCOMPARE(valor(u"SELECT Texto FROM DisciplinasObjetivos WHERE Disciplina=15"_s),
            QString(objetivos).replace(u"\n"_s, u"\r\n"_s));
        QCOMPARE(
            valor(u"SELECT COUNT(*) FROM DisciplinasComentarios WHERE Disciplina=15"_s), u"1"_s);
        QCOMPARE(j->Modo, ModoTabela::Consultando);
        CLICAR_ID(j, u"15"_s);
        QCOMPARE(combo(j, u"EditCategoria"_s)->currentText(), modalidade);
        QCOMPARE(memo(j, u"Objetivos"_s)->toPlainText(), objetivos);
        Editores::DesinstalarEspia<TFormTabelaDisciplinas>(32);
    }

    // Modificar: um número esvaziado fica fora do UPDATE e guarda o valor.
    void disciplinaModifica()
    {
        BANCO_DEMONSTRACAO(b, 1);
        auto *j = Editores::InstalarEspia<TFormTabelaDisciplinas>(32);
        Roteiro r;
        j->show();
        CLICAR_ID(j, u"13"_s);
        j->BitBtnModificar->click();
        Digitar(j, u"EditCreditos"_s, QString());
        Digitar(j, u"EditVagas"_s, u"50"_s);
        j->BitBtnAceitar->click();
        QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
        QCOMPARE(j->comandos.size(), 1);
        QCOMPARE(j->comandos.first().split(u"\r\n"_s),
            QStringList({ u"UPDATE Disciplinas SET "_s, u"CodigoKVA='QLE0101'"_s,
                u",Nome='Introdução aos Estudos Linguísticos'"_s, u",Sigla='ESTLING'"_s,
                u",Departamento=6"_s, u",Categoria='Graduação - Licenciatura'"_s,
                u",Regime='Semestral'"_s, u",Tipo='Optativa Livre'"_s,
                u",PalavraChave='linguística; variação'"_s, u",DeptoExterno='[vazio]'"_s,
                u",CargaHorariaAulasTeoricas=60"_s, u",CargaHorariaAulasPraticas=0"_s,
                u",CargaHorariaSeminarios=0"_s, u",CargaHorariaOutros=0"_s, u",Semanas=15"_s,
                u",Estagio=0"_s, u",SemestreIdeal=0"_s, u",Vagas=50"_s,
                u",Horario='2ª, das 19h às 22h40'"_s, u" WHERE Id=13"_s }));
        QCOMPARE(valor(u"SELECT Creditos FROM Disciplinas WHERE Id=13"_s), u"4"_s);
        QCOMPARE(valor(u"SELECT Vagas FROM Disciplinas WHERE Id=13"_s), u"50"_s);
        // As filhas recusam fora da consulta.
        j->BitBtnModificar->click();
        r.Limpar();
        j->Controle<QPushButton>(u"BitBtnDisciplinasRodizios"_s)->click();
        QCOMPARE(r.Textos(),
            QStringList { u"Não é possível editar rodízio de docentes da disciplina durante os "
                          "modos Incluir/Modificar/Excluir/Consultar."_s });
        QCOMPARE(j->Modo, ModoTabela::Modificando);
        j->BitBtnCancelar->click();
        Editores::DesinstalarEspia<TFormTabelaDisciplinas>(32);
    }

    // ---- Disciplinas oferecidas --------------------------------------------------------

    // A oferta da graduação passada para a pós-graduação: a graduação esvaziada pela
    // regra vai como NULL; outra pesquisa vazia continua fora do comando.
    void oferecidaRegraExclusivaGravaNull()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *d = Registro::Janela(32);
        d->show();
        CLICAR_ID(d, u"2"_s);
        abrirFilha(d, u"BitBtnDisciplinasOferecidas"_s, 34, [&](TFormTabela *j) {
            QCOMPARE(Editores::IdsListados(j), QStringList { u"2"_s });
            CLICAR_ID(j, u"2"_s);
            QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), u"QBI0101"_s);
            QCOMPARE(Edit(j, u"EditDisciplina_Nome"_s)->text(), u"Ecologia Geral"_s);
            QCOMPARE(Edit(j, u"EditGraduacao"_s)->text(), u"2"_s);
            QCOMPARE(combo(j, u"EditSemana2"_s)->currentText(), u"Quarta-feira"_s);
            QCOMPARE(combo(j, u"EditLocal3"_s)->currentText(), u"Laboratório de Biologia 1"_s);
            j->BitBtnModificar->click();
            Editores::Escolher(j, u"EditPosgraduacao_Nome"_s, 15, u"2"_s);
            QCOMPARE(r.Textos(),
                QStringList { u"Você acabou de selecionar uma pós-graduação para essa disciplina "
                              "oferecida. Portanto, o campo Graduação será zerado."_s });
            QCOMPARE(Edit(j, u"EditGraduacao"_s)->text(), QString());
            r.Limpar();
            j->BitBtnAceitar->click();
            QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
            QCOMPARE(j->Modo, ModoTabela::Consultando);
        });
        QCOMPARE(valor(u"SELECT COALESCE(Graduacao, -1) FROM DisciplinasOferecidas WHERE Id=2"_s),
            u"-1"_s);
        QCOMPARE(valor(u"SELECT PosGraduacao FROM DisciplinasOferecidas WHERE Id=2"_s), u"2"_s);
        QCOMPARE(
            valor(u"SELECT Semana2 FROM DisciplinasOferecidas WHERE Id=2"_s), u"Quarta-feira"_s);
    }

    // Incluir propõe vagas e semestre da disciplina; escolher um programa esvazia o outro
    // (NULL também no INSERT); a sala digitada à mão é gravada como veio.
    void oferecidaInclui()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *d = Registro::Janela(32);
        d->show();
        CLICAR_ID(d, u"6"_s);
        Registro::DefinirFabrica(34, [](QWidget *pai) {
            return new Editores::Espia<TFormTabelaDisciplinasOferecidas>(pai);
        });
        const QString sala = u"Sala 'Ø' \\ 2"_s;
        abrirFilha(d, u"BitBtnDisciplinasOferecidas"_s, 34, [&](TFormTabela *j) {
            auto *espia = static_cast<Editores::Espia<TFormTabelaDisciplinasOferecidas> *>(j);
            QCOMPARE(Editores::IdsListados(j), QStringList());
            j->BitBtnIncluir->click();
            QCOMPARE(r.Textos().last(),
                u"Alguns campos receberão valor padrão de acordo com a ficha padrão no rol de "
                "disciplinas.\n\rAltere seus valores de acordo com suas necessidades."_s);
            QCOMPARE(Edit(j, u"EditVagas"_s)->text(), u"60"_s);
            QCOMPARE(Edit(j, u"EditSemestre"_s)->text(), u"2"_s);
            Editores::Escolher(j, u"EditGraduacao_Nome"_s, 14, u"3"_s);
            Editores::Escolher(j, u"EditPosgraduacao_Nome"_s, 15, u"3"_s);
            QCOMPARE(Edit(j, u"EditGraduacao"_s)->text(), QString());
            Editores::Escolher(j, u"EditGraduacao_Nome"_s, 14, u"3"_s);
            QCOMPARE(Edit(j, u"EditPosgraduacao"_s)->text(), QString());
            combo(j, u"EditSemana"_s)->setCurrentIndex(1);
            Digitar(j, u"EditHora1"_s, u"14:00"_s);
            Digitar(j, u"EditHora2"_s, u"16:00"_s);
            Editores::Teclar(combo(j, u"EditLocal2"_s)->lineEdit(), sala);
            combo(j, u"EditBloco"_s)->setCurrentIndex(0);
            r.Limpar();
            j->BitBtnAceitar->click();
            QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
            QCOMPARE(espia->comandos.size(), 1);
            const QStringList linhas = espia->comandos.first().split(u"\r\n"_s);
            QCOMPARE(linhas.mid(0, 6),
                QStringList({ u"INSERT INTO DisciplinasOferecidas ("_s, u"Disciplina"_s,
                    u",Graduacao"_s, u",PosGraduacao"_s, u",Semestre"_s, u",Vagas"_s }));
            const qsizetype valores = linhas.indexOf(u") VALUES ("_s);
            QVERIFY(valores > 0);
            QCOMPARE(linhas.mid(valores + 1, 5),
                QStringList({ u"6"_s, u",3"_s, u",NULL"_s, u",2"_s, u",60"_s }));
            QVERIFY(linhas.contains(u",'Sala ''Ø'' \\ 2'"_s));
            QCOMPARE(Editores::IdsListados(j), QStringList { u"7"_s });
        });
        QCOMPARE(valor(u"SELECT Local2 FROM DisciplinasOferecidas WHERE Id=7"_s), sala);
        QCOMPARE(valor(u"SELECT Semana FROM DisciplinasOferecidas WHERE Id=7"_s), u"Terça-feira"_s);
        QCOMPARE(valor(u"SELECT COALESCE(PosGraduacao, -1) FROM DisciplinasOferecidas "
                       "WHERE Id=7"_s),
            u"-1"_s);
        Registro::DefinirFabrica(
            34, [](QWidget *pai) { return new TFormTabelaDisciplinasOferecidas(pai); });
    }

    // ---- Requisitos e rodízios ---------------------------------------------------------

    // O pré-requisito escolhido na segunda janela das disciplinas, que lista todas.
    void preRequisitoEscolhidoNaSegundaJanela()
    {
        BANCO_DEMONSTRACAO(b, 3);
        Roteiro r;
        TFormTabela *d = Registro::Janela(32);
        d->show();
        CLICAR_ID(d, u"3"_s);
        abrirFilha(d, u"BitBtnDisciplinasPreRequisitos"_s, 37, [&](TFormTabela *j) {
            QCOMPARE(Editores::IdsListados(j), QStringList { u"2"_s });
            j->BitBtnIncluir->click();
            QStringList naEscolha;
            TFormTabela *escolha = Registro::Janela(36);
            escolha->setObjectName(u"escolha"_s);
            AoAbrirModal(
                [&](QWidget *w) {
                    QCOMPARE(w, escolha);
                    naEscolha = Editores::IdsListados(escolha);
                    CLICAR_ID(escolha, u"13"_s);
                    escolha->BitBtnEscolher->click();
                },
                u"escolha"_s);
            QTest::mouseDClick(Edit(j, u"EditPreRequisito_Nome"_s), Qt::LeftButton);
            QCOMPARE(naEscolha.size(), 14); // todas, também fora do departamento
            QCOMPARE(Edit(j, u"EditPreRequisito_CodigoKVA"_s)->text(), u"QLE0101"_s);
            j->BitBtnAceitar->click();
            QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
            QCOMPARE(Editores::IdsListados(j).size(), 2);
        });
        QCOMPARE(valor(u"SELECT Requisito FROM DisciplinasPreRequisitos WHERE Id=3"_s), u"13"_s);
        QCOMPARE(valor(u"SELECT Disciplina FROM DisciplinasPreRequisitos WHERE Id=3"_s), u"3"_s);
    }

    // A mesma janela é o rodízio da disciplina (38) e o da oferta (39), conforme quem a
    // abre, e lista só as linhas da sua mãe.
    void rodizioTrocaDeTabela()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *d = Registro::Janela(32);
        d->show();
        CLICAR_ID(d, u"2"_s);
        const auto daDisciplina = [&](TFormTabela *j) {
            QCOMPARE(j->NumeroTabela, 38);
            QCOMPARE(j->windowTitle(), u"Tabela Disciplinas, Rodízios de Docentes"_s);
            QStringList ids = Editores::IdsListados(j);
            ids.sort();
            QCOMPARE(ids, QStringList({ u"1"_s, u"2"_s }));
            QVERIFY(!j->Controle(u"EditCurso"_s)->isVisible());
            CLICAR_ID(j, u"2"_s);
            QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), u"QBI0101"_s);
            QVERIFY(!j->Controle<QCheckBox>(u"CheckBoxMinistrante"_s)->isChecked());
        };
        abrirFilha(d, u"BitBtnDisciplinasRodizios"_s, 38, daDisciplina);
        abrirFilha(d, u"BitBtnDisciplinasOferecidas"_s, 34, [&](TFormTabela *o) {
            CLICAR_ID(o, u"2"_s);
            abrirFilha(o, u"BitBtnDisciplinasRodizios"_s, 38, [&](TFormTabela *j) {
                QCOMPARE(j->NumeroTabela, 39);
                QCOMPARE(
                    j->windowTitle(), u"Tabela Disciplinas Oferecidas, Rodízios de Docentes"_s);
                QStringList ids = Editores::IdsListados(j);
                ids.sort();
                QCOMPARE(ids, QStringList({ u"1"_s, u"2"_s }));
                QVERIFY(j->Controle(u"EditCurso"_s)->isVisible());
                CLICAR_ID(j, u"2"_s);
                QCOMPARE(Edit(j, u"EditCurso"_s)->text(), u"Bacharelado em Ciências Biológicas"_s);
                QCOMPARE(Edit(j, u"EditDocente_Nome"_s)->text(),
                    valor(u"SELECT Nome FROM Docentes WHERE Id=5"_s));
                j->BitBtnIncluir->click();
                QVERIFY(j->Controle<QCheckBox>(u"CheckBoxMinistrante"_s)->isChecked());
                Editores::Escolher(j, u"EditDocente_Nome"_s, 11, u"3"_s);
                j->BitBtnAceitar->click();
                QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
            });
        });
        QCOMPARE(valor(u"SELECT Disciplina FROM DisciplinasOferecidasRodizios WHERE Docente=3"_s),
            u"2"_s);
        QCOMPARE(valor(u"SELECT COUNT(*) FROM DisciplinasRodizios WHERE Docente=3"_s), u"0"_s);
        // De volta à disciplina: a tabela 38 outra vez.
        abrirFilha(d, u"BitBtnDisciplinasRodizios"_s, 38, daDisciplina);
    }

    // ---- Horários ----------------------------------------------------------------------

    // Incluir propõe o programa da oferta; as horas mascaradas; o comando exato.
    void horarioIncluiComOProgramaDaOferta()
    {
        BANCO_DEMONSTRACAO(b, 1);
        Roteiro r;
        TFormTabela *d = Registro::Janela(32);
        d->show();
        CLICAR_ID(d, u"5"_s);
        Registro::DefinirFabrica(
            77, [](QWidget *pai) { return new Editores::Espia<TFormTabelaHorarios>(pai); });
        abrirFilha(d, u"BitBtnDisciplinasOferecidas"_s, 34, [&](TFormTabela *o) {
            CLICAR_ID(o, u"4"_s);
            abrirFilha(o, u"BitBtnHorarios"_s, 77, [&](TFormTabela *j) {
                auto *espia = static_cast<Editores::Espia<TFormTabelaHorarios> *>(j);
                QCOMPARE(Editores::IdsListados(j).size(), 3);
                j->BitBtnIncluir->click();
                QCOMPARE(Edit(j, u"EditGraduacao"_s)->text(), u"3"_s);
                QCOMPARE(Edit(j, u"EditCodigoKVA"_s)->text(), u"QFI0110"_s);
                combo(j, u"EditSemana"_s)->setCurrentIndex(3);
                combo(j, u"EditLocal"_s)->setCurrentIndex(2);
                combo(j, u"EditBloco"_s)->setCurrentIndex(0);
                Digitar(j, u"EditHoraInicio"_s, u"1000"_s);
                Digitar(j, u"EditHoraTermino"_s, u"1150"_s);
                j->BitBtnAceitar->click();
                QVERIFY2(r.mostradas.isEmpty(), qPrintable(r.Textos().join(u" | "_s)));
                QCOMPARE(espia->comandos.size(), 1);
                const QString local = combo(j, u"EditLocal"_s)->itemText(2);
                QCOMPARE(espia->comandos.first().split(u"\r\n"_s),
                    QStringList({ u"INSERT INTO Horarios ("_s, u"Disciplina"_s, u",Graduacao"_s,
                        u",Semana"_s, u",Local"_s, u",Bloco"_s, u",HoraInicio"_s, u",HoraTermino"_s,
                        u",Descricao"_s, u") VALUES ("_s, u"4"_s, u",3"_s, u",'Quinta-feira'"_s,
                        u",'"_s + local + u'\'', u",'Exatas'"_s, u",'10:00'"_s, u",'11:50'"_s,
                        u",''"_s, u")"_s }));
                QCOMPARE(Editores::IdsListados(j).size(), 4);
            });
        });
        QCOMPARE(valor(u"SELECT HoraTermino FROM Horarios WHERE Id=9"_s), u"11:50"_s);
        Registro::DefinirFabrica(77, [](QWidget *pai) { return new TFormTabelaHorarios(pai); });
    }
};

QTEST_MAIN(TesteEnsino)
#include "tst_ensino.moc"
