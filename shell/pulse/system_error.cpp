// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pulse/system_error.h"

#include <cerrno>
#include <map>

namespace ondel {

std::string systemReason(int error)
{
    static const std::map<int, const char *> reasons{
        {ENOENT, "ファイルかフォルダが見つかりません。"},
        {ENOTDIR, "途中にフォルダでないものがあります。"},
        {EISDIR, "フォルダです。"},
        {EACCES, "許可がありません。"},
        {EPERM, "許可がありません。"},
        {EROFS, "読み取り専用の場所です。"},
        {ENOSPC, "ディスクに空きがありません。"},
        {EDQUOT, "ディスクの使用量の上限に達しています。"},
        {EFBIG, "ファイルの大きさの上限を超えます。"},
        {ELOOP, "シンボリックリンクが循環しているか、多すぎます。"},
        {ENAMETOOLONG, "名前が長すぎます。"},
        {EIO, "装置で読み書きのエラーが起きました。"},
        {EMFILE, "開いているファイルが多すぎます。"},
        {ENFILE, "開いているファイルが多すぎます。"},
        {EBUSY, "使用中です。"},
        {ETXTBSY, "使用中です。"},
        {EEXIST, "同じ名前のものがすでにあります。"},
        {ENXIO, "装置がありません。"},
        {ENODEV, "装置がありません。"},
        {ENOMEM, "メモリが足りません。"},
    };
    const auto it = reasons.find(error);
    if (it != reasons.end())
        return it->second;
    return "システムのエラー " + std::to_string(error) + " です。";
}

} // namespace ondel
