#include "modglobal.h"

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

void reset()
{
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
