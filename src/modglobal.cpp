// SPDX-License-Identifier: GPL-3.0-or-later
#include "modglobal.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace modglobal {

QStringList wordlist;
QStringList meaninglist;
QStringList usagelist;
qint16 wordcount = 0;

QString xmlfilepath;

QString mainfontname, mainfontcolor, mainfontsize;
QString memoryfontname, memoryfontcolor, memoryfontsize;
QString answerfontname, answercolor, answerfontsize;
QString flashfontname, flashfontcolor, flashfontsize;

namespace {
std::vector<QPointer<QWidget>> &keptwindows()
{
    static std::vector<QPointer<QWidget>> windows;
    return windows;
}
} // namespace

void keepwindow(QWidget *window)
{
    keptwindows().emplace_back(window);
}

void releasewindows()
{
    std::vector<QPointer<QWidget>> windows;
    windows.swap(keptwindows());
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

void reset()
{
    releasewindows();
    wordlist.clear();
    meaninglist.clear();
    usagelist.clear();
    wordcount = 0;
    xmlfilepath.clear();
    for (QString *setting : {&mainfontname, &mainfontcolor, &mainfontsize, &memoryfontname,
                             &memoryfontcolor, &memoryfontsize, &answerfontname, &answercolor,
                             &answerfontsize, &flashfontname, &flashfontcolor, &flashfontsize})
        setting->clear();
    releasexmlreader();
}

} // namespace modglobal
