#include "shell/StringTable.h"

#include "app/InterfaceLanguage.h"

#include <QLocale>


namespace {

struct Entry
{
    int id;
    const char *english;
    const char *japanese; // UTF-8
};

constexpr Entry Entries[] = {
    // The form's font (LocalizeForm): the proportional IPA P Gothic, which
    // has Latin and Japanese, at the English window's size.
    {20, "", "IPAPGothic"},
    {21, "", "9"},
    {1000, "File(&F)", "ﾌｧｲﾙ(&F)"},
    {1001, "New(&N)", "新規作成(&N)"},
    {1002, "Open(&O)...", "開く(&O)..."},
    {1003, "Save(&S)", "上書き保存(&S)"},
    {1004, "Save As(&A)...", "名前を付けて保存(&A)..."},
    {1005, "Print Setup(&U)...", "ﾍﾟｰｼﾞ設定(&U)..."},
    {1006, "Print(&P)...", "印刷(&P)..."},
    {1007, "Exit(&X)...", "終了(&X)"},
    {1008, "Edit(&E)", "編集(&E)"},
    {1009, "Modify(&M)", "変更(&M)"},
    {1010, "View(&V)", "表示(&V)"},
    {1011, "Tool Bar(&T)", "ﾂｰﾙ ﾊﾞｰ(&T)"},
    {1012, "Tool(&T)", "ﾂｰﾙ(&T)"},
    {1013, "COM Port Setup(&C)", "COM ポートセットアップ(&C)"},
    {1014, "Help(&H)", "ﾍﾙﾌﾟ(&H)"},
    {1016, "About(&A)", "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
    {1017, "New", "新規作成"},
    {1018, "Open", "開く"},
    {1019, "Save", "上書き保存"},
    {1021, "Help", "ﾍﾙﾌﾟ"},
    {1100, "Status Bar(&S)", "ｽﾃｰﾀｽﾊﾞｰ(&S)"},
    {1201, "Import(&I)...", "ｲﾝﾎﾟｰﾄ(&I)..."},
    {1202, "Export(&E)...", "ｴｸｽﾎﾟｰﾄ(&E)..."},
    {1208, "Export PDF(&D)...", "PDF出力(&D)..."},
    {1209, "Open Backup(&B)...", "バックアップを開く(&B)..."},
    {1210, "Changes(&C)...", "変更分(&C)..."},
    {1211, "Undo(&U)", "元に戻す(&U)"},
    {1212, "Redo(&R)", "やり直し(&R)"},
    {1213, "Cut(&T)", "切り取り(&T)"},
    {1214, "Copy(&C)", "コピー(&C)"},
    {1215, "Paste(&P)", "貼り付け(&P)"},
    {1216, "Move Up(&O)", "上へ移動(&O)"},
    {1217, "Move Down(&W)", "下へ移動(&W)"},
    {1218, "Go To(&G)...", "移動先(&G)..."},
    {1219, "Sort(&S)...", "並べ替え(&S)..."},
    {1220, "Set for Selected(&E)...", "選択行に設定(&E)..."},
    {1221, "Find(&F)...", "検索(&F)..."},
    {1222, "Import Channels from Another Program (CSV)(&L)...", "他のプログラムのチャンネルを取り込む (CSV)(&L)..."},
    {1223, "Export Channels for Other Programs (CSV)(&H)...", "他のプログラム用にチャンネルを書き出す (CSV)(&H)..."},
    {1224, "User Guide(&G)", "ユーザーガイド(&G)"},
    {1225, "Write to Several Radios(&V)...", "複数の無線機に書き込み(&V)..."},
    {1203, "Read(&R)", "読み出し(&R)"},
    {1204, "Write(&W)", "書き込み(&W)"},
    {1205, "Settings(&S)", "設定(&S)"},
    {1206, "Memory(&M)", "メモリー(&M)"},
    {1207, "ALL(&A)", "すべて(&A)"},
};

const Entry *find(int id)
{
    for (const Entry &entry : Entries) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

} // namespace

StringTable::StringTable(Language language)
    : m_language(language)
{
}

StringTable::Language StringTable::languageFor(const QStringList &uiLanguages)
{
    return InterfaceLanguage::isJapanese(uiLanguages) ? Language::Japanese : Language::English;
}

StringTable StringTable::forSystem()
{
    return StringTable(languageFor(QLocale::system().uiLanguages()));
}

bool StringTable::contains(int id) const
{
    return !text(id).isEmpty();
}

QString StringTable::text(int id) const
{
    const Entry *entry = find(id);
    if (!entry)
        return QString();
    return m_language == Language::Japanese ? QString::fromUtf8(entry->japanese)
                                            : QString::fromUtf8(entry->english);
}
