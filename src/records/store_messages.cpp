#include "store_messages.h"

#include "gbk_text.h"

#include <QDir>

using namespace Qt::StringLiterals;

QByteArray saveFailedMessage(const QString& storeFile) {
    return toGbk(u"无法保存记录文件：\r\n"_s + QDir::toNativeSeparators(storeFile) +
                 u"\r\n这次更改没有写入文件，程序关闭后将会丢失。"_s);
}

QByteArray unreadableStoreMessage(const QString& storeFile) {
    return toGbk(u"无法读取记录文件：\r\n"_s + QDir::toNativeSeparators(storeFile) +
                 u"\r\n列表暂为空。请先检查该文件：此后录入或删除时保存会覆盖它。"_s);
}

QByteArray storeProblemMessage(StoreProblem problem) {
    switch (problem) {
    case StoreProblem::Separator:
        return toGbk(u"内容中不能含有“---”，否则记录无法按原样保存。");
    case StoreProblem::LineBreak:
        return toGbk(u"内容中不能含有换行，否则记录无法按原样保存。");
    case StoreProblem::TrailingDash:
        return toGbk(u"编号、组数、部位、成型日期和龄期不能以“-”结尾，否则记录无法按原样保存。");
    case StoreProblem::ZeroByte:
        return toGbk(u"内容中不能含有空字符，否则之后的记录都无法读回。");
    case StoreProblem::None:
        break;
    }
    return {};
}
