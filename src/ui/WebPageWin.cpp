#include "ui/WebPage.h"

#include "platform/Shell.h"
#include "ui/LanguageTexts.h"
#include "win/MessageBox.h"

void OpenWebPage(HWND hOwner, const std::wstring& url, int language) {
    if (platform::OpenInBrowser(url)) return;
    win::ShowMessage(hOwner, PageAddressMessage(url, language));
}
