#include "platform/FileWatch.h"

namespace platform {

FileStamp StampOf(const std::wstring& path) {
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return stamp;
    stamp.exists = true;
    stamp.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.lastWrite = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                      data.ftLastWriteTime.dwLowDateTime;
    return stamp;
}

void FileWatch::Start(const std::wstring& filePath, HWND hWnd, UINT uMessage) {
    Stop();
    m_stop.Reset();
    const size_t slash = filePath.find_last_of(L'\\');
    if (slash == std::wstring::npos) return;
    // A save replaces the file by a rename, which a watch on the file itself would not survive;
    // the folder's notification sees the new name arrive.
    const std::wstring folder = filePath.substr(0, slash + 1);
    const HANDLE hChange = ::FindFirstChangeNotificationW(
        folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    m_bNotified = hChange != INVALID_HANDLE_VALUE;
    m_bPosted = false;
    m_thread.Start([this, hChange, hWnd, uMessage] { Run(hChange, hWnd, uMessage); });
}

void FileWatch::Run(HANDLE hChange, HWND hWnd, UINT uMessage) {
    for (;;) {
        const bool bNotified = hChange != INVALID_HANDLE_VALUE;
        const HANDLE handles[2] = {m_stop.Handle(), hChange};
        const DWORD dwWait = ::WaitForMultipleObjects(bNotified ? 2 : 1, handles, FALSE,
                                                      bNotified ? INFINITE : kPollMs);
        if (dwWait == WAIT_OBJECT_0 || dwWait == WAIT_FAILED) break;
        if (!m_bPosted.exchange(true)) ::PostMessageW(hWnd, uMessage, 0, 0);
        // A folder that went away (a stick pulled, a share gone) notifies no more: from then on
        // the window looks at the file now and then instead.
        if (bNotified && !::FindNextChangeNotification(hChange)) {
            ::FindCloseChangeNotification(hChange);
            hChange = INVALID_HANDLE_VALUE;
            m_bNotified = false;
        }
    }
    if (hChange != INVALID_HANDLE_VALUE) ::FindCloseChangeNotification(hChange);
}

void FileWatch::Stop() {
    m_stop.Set();
    m_thread.Join();
}

}  // namespace platform
