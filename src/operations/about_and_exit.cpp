#include "about_and_exit.h"

#include <cstdio>
#include <cstdlib>

void showAbout(Informer& informer) {
    informer.showInfo(toGbk(u"Quorvel 是试块到期登记工具：登记等待强度试验的试块，按龄期算出"
                            u"到期日期，列出并删除今日到期的试块，以免漏做试验。\r\n"
                            u"联系：即时通讯 10000000　网址 http://www.example.com"),
                      toGbk(u"软件简介"));
}

void endProgram() {
    std::fflush(nullptr);
    std::_Exit(0);
}
