// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyfixture.h"

#include "modglobal.h"
#include "settings/displaysettings.h"
#include "store/readxml.h"

studyfixture::studyfixture()
{
    displaysettings::applydefaults();
}

std::vector<testsupport::entry> studyfixture::numbered(int count)
{
    std::vector<testsupport::entry> result;
    for (int i = 0; i < count; ++i)
        result.push_back({QStringLiteral("w%1").arg(i), QStringLiteral("m%1").arg(i),
                          QStringLiteral("u%1").arg(i)});
    return result;
}

void studyfixture::loadwords(const std::vector<testsupport::entry> &entries)
{
    loadxml(testsupport::flatxml(entries));
}

void studyfixture::loadxml(const QByteArray &xml)
{
    fakes.write(QStringLiteral("XML/gre.xml"), xml);
    const QString path = QStringLiteral("\\XML\\gre.xml");
    readxml &reader = modglobal::xmlreader();
    modglobal::wordcount = reader.nodecount(QStringLiteral("//word"), path);
    reader.loadxmlword(QStringLiteral("//word"), path);
    reader.loadxmlmeaning(QStringLiteral("//meaning"), path);
    reader.loadxmlusage(QStringLiteral("//usage"), path);
    modglobal::xmlfilepath = path;
}
