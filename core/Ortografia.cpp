#include "Ortografia.h"

#include "Arquivos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QThread>

#include <hunspell.hxx>

using namespace Qt::StringLiterals;

namespace Ortografia {
const QString ArquivoPessoal = u"Palavras.dic"_s;

namespace {
// Letras de uma palavra: as letras e as marcas (acentos à parte).
bool letra(QChar c)
{
    return c.isLetter() || c.isMark();
}

// Hífen e apóstrofo só ligam duas partes de uma palavra ("guarda-chuva", "d'água").
bool liga(QChar c)
{
    return c == u'-' || c == u'\'' || c == u'\u2019';
}

// Um pedaço sem espaços que é endereço (e-mail, Internet, caminho): não é conferido.
bool endereco(QStringView pedaco)
{
    return pedaco.contains(u'@') || pedaco.contains(u"://"_s) || pedaco.contains(u'/')
        || pedaco.contains(u'\\') || pedaco.startsWith(u"www."_s, Qt::CaseInsensitive);
}

bool conferir(QStringView palavra)
{
    if (palavra.size() < 2)
        return false;
    bool minuscula = false;
    for (QChar c : palavra) {
        if (c.isDigit())
            return false;
        if (c.isLower())
            minuscula = true;
    }
    return minuscula; // só maiúsculas: sigla
}
} // namespace

Verificador::Verificador(const QString &dicionario, const QString &pessoal)
    : m_hunspell(Ler(dicionario, pessoal))
    , m_pessoal(pessoal)
{
}

Verificador::Verificador(const QString &pessoal, SemCarregar)
    : m_pessoal(pessoal)
{
}

std::unique_ptr<Hunspell> Verificador::Ler(const QString &dicionario, const QString &pessoal)
{
    const QString aff = dicionario + u".aff"_s, dic = dicionario + u".dic"_s;
    if (!QFile::exists(aff) || !QFile::exists(dic))
        return nullptr;
    auto h = std::make_unique<Hunspell>(
        QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
    QFile arquivo(pessoal);
    if (arquivo.open(QIODevice::ReadOnly)) {
        const QStringList linhas = QString::fromUtf8(arquivo.readAll()).split(u'\n');
        for (QString palavra : linhas) {
            palavra = palavra.trimmed();
            if (!palavra.isEmpty())
                h->add(palavra.toStdString());
        }
    }
    return h;
}

void Verificador::Instalar(std::unique_ptr<Hunspell> hunspell)
{
    m_hunspell = std::move(hunspell);
    m_conhecidas.clear();
    if (m_hunspell)
        for (const QString &p : std::as_const(m_acrescentadas))
            m_hunspell->add(p.toStdString());
    m_acrescentadas.clear();
}

Verificador::~Verificador() = default;

bool Verificador::Correta(const QString &palavra) const
{
    if (!m_hunspell)
        return true;
    auto i = m_conhecidas.constFind(palavra);
    if (i != m_conhecidas.cend())
        return *i;
    // Apóstrofo curvo como o reto; palavra com hífen: inteira ou cada parte.
    const QString reta = QString(palavra).replace(u'\u2019', u'\'');
    bool certa = m_hunspell->spell(reta.toStdString());
    if (!certa && reta.contains(u'-')) {
        certa = true;
        for (const QString &parte : reta.split(u'-', Qt::SkipEmptyParts))
            certa = certa && (!conferir(parte) || m_hunspell->spell(parte.toStdString()));
    }
    m_conhecidas.insert(palavra, certa);
    return certa;
}

QStringList Verificador::Sugestoes(const QString &palavra) const
{
    QStringList lista;
    if (!m_hunspell)
        return lista;
    for (const std::string &s : m_hunspell->suggest(palavra.toStdString()))
        lista << QString::fromStdString(s);
    return lista;
}

bool Verificador::Adicionar(const QString &palavra, QString *motivo)
{
    const QString p = palavra.trimmed();
    if (p.isEmpty())
        return true;
    if (m_hunspell)
        m_hunspell->add(p.toStdString());
    else
        m_acrescentadas.append(p);
    m_conhecidas.insert(p, true);
    QByteArray conteudo;
    QFile arquivo(m_pessoal);
    if (arquivo.open(QIODevice::ReadOnly))
        conteudo = arquivo.readAll();
    arquivo.close();
    if (!conteudo.isEmpty() && !conteudo.endsWith('\n'))
        conteudo += '\n';
    conteudo += p.toUtf8() + '\n';
    return Arquivos::Gravar(m_pessoal, conteudo, motivo);
}

Trecho Verificador::PalavraEm(QStringView texto, int posicao)
{
    const int n = int(texto.size());
    if (posicao < 0 || posicao > n)
        return {};
    int inicio = posicao, fim = posicao;
    const auto dentro = [&](int i) {
        return i >= 0 && i < n
            && (letra(texto[i])
                || (liga(texto[i]) && i > 0 && i + 1 < n && letra(texto[i - 1])
                    && letra(texto[i + 1])));
    };
    while (dentro(inicio - 1))
        --inicio;
    while (dentro(fim))
        ++fim;
    return { inicio, fim - inicio };
}

QList<Trecho> Verificador::Erradas(QStringView texto) const
{
    QList<Trecho> erradas;
    if (!m_hunspell)
        return erradas;
    const int n = int(texto.size());
    int i = 0;
    while (i < n) {
        // um pedaço sem espaços
        while (i < n && texto[i].isSpace())
            ++i;
        int fimPedaco = i;
        while (fimPedaco < n && !texto[fimPedaco].isSpace())
            ++fimPedaco;
        const QStringView pedaco = texto.mid(i, fimPedaco - i);
        if (!endereco(pedaco)) {
            int j = i;
            while (j < fimPedaco) {
                if (!letra(texto[j]) && !texto[j].isDigit()) {
                    ++j;
                    continue;
                }
                // uma palavra: letras (e números, para não conferir "3a" nem "mp3")
                int fim = j;
                while (fim < fimPedaco
                    && (letra(texto[fim]) || texto[fim].isDigit()
                        || (liga(texto[fim]) && fim + 1 < fimPedaco && letra(texto[fim + 1]))))
                    ++fim;
                const QStringView palavra = texto.mid(j, fim - j);
                if (conferir(palavra)
                    && !Correta(palavra.toString().normalized(QString::NormalizationForm_C)))
                    erradas.append({ j, fim - j });
                j = fim;
            }
        }
        i = fimPedaco;
    }
    return erradas;
}

namespace {
std::unique_ptr<Verificador> &padrao()
{
    static std::unique_ptr<Verificador> v;
    return v;
}

QPointer<QThread> &carregando()
{
    static QPointer<QThread> t;
    return t;
}
} // namespace

Verificador &Padrao()
{
    auto &v = padrao();
    if (v)
        return *v;
    const QString pessoal = QDir::current().absoluteFilePath(ArquivoPessoal);
    v.reset(new Verificador(pessoal, Verificador::SemCarregar {}));
    auto lido = std::make_shared<std::unique_ptr<Hunspell>>();
    QThread *t = QThread::create(
        [lido, pessoal] { *lido = Verificador::Ler(u"/usr/share/hunspell/pt_BR"_s, pessoal); });
    t->setObjectName(u"Ortografia"_s);
    Verificador *destino = v.get();
    QObject::connect(t, &QThread::finished, t, [t, lido, destino] {
        if (padrao().get() == destino) // (os testes podem ter trocado o verificador)
            destino->Instalar(std::move(*lido));
        t->deleteLater();
    });
    // o programa que termina antes de o dicionário ser lido espera por ele
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, t, [t] { t->wait(); });
    carregando() = t;
    t->start(QThread::LowPriority);
    return *v;
}

QThread *Carregando()
{
    return carregando().data();
}

void DefinirPadrao(std::unique_ptr<Verificador> verificador)
{
    padrao() = std::move(verificador);
}
} // namespace Ortografia
