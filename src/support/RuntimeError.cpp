#include "support/RuntimeError.h"

#include "support/AppInfo.h"

RuntimeError::RuntimeError(int number, const QString &description, const QString &source)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source.isEmpty() ? AppInfo::title() : source)
{
}

RuntimeError RuntimeError::fromNumber(int number)
{
    switch (number) {
    case InvalidCall: return {number, QStringLiteral("プロシージャの呼び出し、または引数が不正です。")};
    case Overflow: return {number, QStringLiteral("オーバーフローしました。")};
    case OutOfMemory: return {number, QStringLiteral("メモリが不足しています。")};
    case SubscriptOutOfRange: return {number, QStringLiteral("インデックスが有効範囲にありません。")};
    case TypeMismatch: return {number, QStringLiteral("型が一致しません。")};
    case FileNotFound: return {number, QStringLiteral("ファイルが見つかりません。")};
    case PermissionDenied: return {number, QStringLiteral("書き込みできません。")};
    case PathFileAccess: return {number, QStringLiteral("パス名が無効です。")};
    case PathNotFound: return {number, QStringLiteral("パスが見つかりません。")};
    case DeviceIo: return {number, QStringLiteral("デバイス I/O エラーです。")};
    case DiskFull: return {number, QStringLiteral("ディスクの空き容量が不足しています。")};
    default: return {number, QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。")};
    }
}
