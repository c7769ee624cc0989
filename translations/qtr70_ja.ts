<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>This program is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version.</source>
        <translation>このプログラムはフリーソフトウェアです。GNU General Public License (GNU 一般公衆利用許諾書) のバージョン 3、または (任意で) それ以降のバージョンの条件の下で、再頒布や改変ができます。</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>no program reads from it</source>
        <translation>読み取るプログラムがありません</translation>
    </message>
    <message>
        <source>the program reading it stopped taking data</source>
        <translation>読み取り側のプログラムがデータを受け取らなくなりました</translation>
    </message>
    <message>
        <source>not a regular file: </source>
        <translation>通常のファイルではありません: </translation>
    </message>
    <message>
        <source>the folder %1 cannot be written, so the file cannot be replaced safely: %2</source>
        <translation>フォルダー %1 に書き込めないため、ファイルを安全に置き換えられません: %2</translation>
    </message>
</context>
<context>
    <name>BackupStore</name>
    <message>
        <source>settings and VFOs read from the radio</source>
        <translation>無線機から読み出した設定と VFO</translation>
    </message>
    <message>
        <source>channels read from the radio</source>
        <translation>無線機から読み出したチャンネル</translation>
    </message>
    <message>
        <source>settings, VFOs and channels read from the radio</source>
        <translation>無線機から読み出した設定、VFO、チャンネル</translation>
    </message>
    <message>
        <source>the whole radio before a write</source>
        <translation>書き込み前の無線機全体</translation>
    </message>
    <message>
        <source>cannot create the folder </source>
        <translation>フォルダーを作成できません: </translation>
    </message>
</context>
<context>
    <name>BackupsCommand</name>
    <message>
        <source>  backups                               list the automatic backups, newest first
</source>
        <translation>  backups                               自動バックアップを新しい順に一覧表示
</translation>
    </message>
    <message>
        <source>Lists the automatic backups of the radio, newest first, with what
each holds. The desktop program and qtr70 keep them in:
</source>
        <translation>無線機の自動バックアップを新しい順に、それぞれの内容とともに
一覧表示します。デスクトップ版と qtr70 はバックアップを次の場所に保存します:
</translation>
    </message>
    <message>
        <source>backups takes no arguments</source>
        <translation>backups は引数を取りません</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>No backups yet. Every read from the radio keeps one in %1.</source>
        <translation>バックアップはまだありません。無線機から読み出すたびに、%1 にバックアップが保存されます。</translation>
    </message>
    <message>
        <source>&amp;Backups of the radio, newest first (kept in %1):</source>
        <translation>無線機のバックアップ、新しい順 (保存先: %1)(&amp;B):</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>取得日時</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用中のチャンネル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Differences from the backup to the open document:</source>
        <translation>バックアップと開いているドキュメントとの違い(&amp;D):</translation>
    </message>
    <message>
        <source>Compare lists them here.</source>
        <translation>「比較」を押すと、ここに一覧表示されます。</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>比較(&amp;C)</translation>
    </message>
    <message>
        <source>The open document holds the same as this backup.</source>
        <translation>開いているドキュメントは、このバックアップと同じ内容です。</translation>
    </message>
</context>
<context>
    <name>BlockCommands</name>
    <message>
        <source>port failure</source>
        <translation>ポートの障害</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>%1 ms 以内に応答がありません</translation>
    </message>
    <message>
        <source>a reply longer than any the radio gives, without its end</source>
        <translation>無線機の応答としては長すぎ、終端がありません</translation>
    </message>
    <message>
        <source>a reply to another command (its echo is not the command sent)</source>
        <translation>別のコマンドへの応答 (エコーが送信したコマンドと一致しません)</translation>
    </message>
    <message>
        <source>unexpected reply of %1 characters</source>
        <translation>想定外の %1 文字の応答</translation>
    </message>
</context>
<context>
    <name>ChangesQuestion</name>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>bytes the program does not show will be rewritten</source>
        <translation>プログラムが表示しないバイトが書き換えられます</translation>
    </message>
    <message>
        <source>radio now: %1 → after writing: %2</source>
        <translation>無線機の現在値: %1 → 書き込み後: %2</translation>
    </message>
    <message>
        <source>split </source>
        <translation>スプリット </translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>%1: new: %2</source>
        <translation>%1: 新規: %2</translation>
    </message>
    <message>
        <source>%1: will be cleared (radio now: %2)</source>
        <translation>%1: 消去されます (無線機の現在値: %2)</translation>
    </message>
    <message>
        <source>%1: an empty slot&apos;s unused bytes will be cleared</source>
        <translation>%1: 空きスロットの未使用バイトが消去されます</translation>
    </message>
    <message>
        <source>%1: radio now: %2 → after writing: %3</source>
        <translation>%1: 無線機の現在値: %2 → 書き込み後: %3</translation>
    </message>
    <message>
        <source>Settings record %1: bytes the program does not show will be rewritten</source>
        <translation>設定レコード %1: プログラムが表示しないバイトが書き換えられます</translation>
    </message>
    <message>
        <source>The radio (%1) holds %2 that writing this image will change:</source>
        <translation>無線機 (%1) の %2が、この書き込みで変更されます:</translation>
    </message>
    <message>
        <source>Write this change to the radio?</source>
        <translation>この変更を無線機に書き込みますか？</translation>
    </message>
    <message>
        <source>Write these %1 changes to the radio?</source>
        <translation>これら %1 件の変更を無線機に書き込みますか？</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
</context>
<context>
    <name>ChannelCodec</name>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>record text</source>
        <translation>レコードのテキスト</translation>
    </message>
</context>
<context>
    <name>ChannelDialog</name>
    <message>
        <source>Frequency, MHz</source>
        <translation>周波数 (MHz)</translation>
    </message>
    <message>
        <source>Frequency, kHz</source>
        <translation>周波数 (kHz)</translation>
    </message>
    <message>
        <source>Frequency, Hz</source>
        <translation>周波数 (Hz)</translation>
    </message>
    <message>
        <source>Split frequency, MHz</source>
        <translation>スプリット周波数 (MHz)</translation>
    </message>
    <message>
        <source>Split frequency, kHz</source>
        <translation>スプリット周波数 (kHz)</translation>
    </message>
    <message>
        <source>Split frequency, Hz</source>
        <translation>スプリット周波数 (Hz)</translation>
    </message>
</context>
<context>
    <name>ChannelLabel</name>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
</context>
<context>
    <name>ChannelListImport</name>
    <message>
        <source>Power %1 is not understood: %2</source>
        <translation>Power %1 を解釈できません: %2</translation>
    </message>
    <message>
        <source>Power %1 is taken as %2</source>
        <translation>Power %1 は %2 とみなします</translation>
    </message>
    <message>
        <source>Tone mode %1 is not one the radio has: tone off</source>
        <translation>トーンモード %1 はこの無線機にありません: トーンなし</translation>
    </message>
    <message>
        <source>Tone mode %1 is not understood: tone off</source>
        <translation>トーンモード %1 を解釈できません: トーンなし</translation>
    </message>
    <message>
        <source>Tone %1 is not one of the radio&apos;s tones: tone off</source>
        <translation>トーン %1 はこの無線機にないトーンです: トーンなし</translation>
    </message>
    <message>
        <source>Offset %1 is not a frequency in MHz</source>
        <translation>Offset %1 は MHz 単位の周波数ではありません</translation>
    </message>
    <message>
        <source>Receive only (Duplex off) is not kept: split = frequency</source>
        <translation>受信専用 (Duplex off) は保持されません: スプリット = 周波数</translation>
    </message>
    <message>
        <source>Duplex %1 is not understood</source>
        <translation>Duplex %1 を解釈できません</translation>
    </message>
    <message>
        <source>No frequency: the slot is left empty</source>
        <translation>周波数なし: スロットは空きのまま</translation>
    </message>
    <message>
        <source>Frequency %1 is not a frequency in MHz</source>
        <translation>Frequency %1 は MHz 単位の周波数ではありません</translation>
    </message>
    <message>
        <source>No mode given: %1</source>
        <translation>モードの指定なし: %1</translation>
    </message>
    <message>
        <source>Mode %1 is not one the radio has</source>
        <translation>Mode %1 はこの無線機にありません</translation>
    </message>
    <message>
        <source>Mode %1 is stored as %2</source>
        <translation>Mode %1 は %2 として保存</translation>
    </message>
    <message>
        <source>Name %1 is stored as %2 (%3)</source>
        <translation>Name %1 は %2 として保存 (%3)</translation>
    </message>
    <message>
        <source>field %1 opens a quote that is not closed on its line</source>
        <translation>%1 番目のフィールドの引用符がその行で閉じていません</translation>
    </message>
    <message>
        <source>Location %1 is no slot of this radio (0 to %2)</source>
        <translation>Location %1 はこの無線機のスロットではありません (0〜%2)</translation>
    </message>
    <message>
        <source>slot %1 is taken by line %2</source>
        <translation>スロット %1 は %2 行目で使用済み</translation>
    </message>
    <message>
        <source>did not fit below %1</source>
        <translation>%1 までに収まりません</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: 取り込めません: %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source> (replaces a channel)</source>
        <translation> (チャンネルを置き換え)</translation>
    </message>
    <message>
        <source> (clears a channel)</source>
        <translation> (チャンネルを消去)</translation>
    </message>
    <message>
        <source>%1 to store</source>
        <translation>保存対象 %1</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> → %1</translation>
    </message>
    <message>
        <source> (%1 in use replaced)</source>
        <translation> (使用中の %1を置き換え)</translation>
    </message>
    <message>
        <source>; %1 not stored</source>
        <translation>; 保存対象外 %1</translation>
    </message>
    <message>
        <source>; only the first %1 rows were read</source>
        <translation>; 読み込んだのは最初の %1 行のみ</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the first line names no Frequency column: the file is no channel list in the common layout</source>
        <translation>1 行目に Frequency 列がありません: 一般的な形式のチャンネルリストではありません</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>行が %1 文字を超えています</translation>
    </message>
    <message>
        <source>the file goes on beyond %1 MB, more than any channel list holds</source>
        <translation>ファイルが %1 MB を超えています (チャンネルリストとしては大きすぎます)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; holds &quot;%2&quot;, which the radio cannot store</source>
        <translation>&quot;%1&quot; に無線機が保存できない文字 &quot;%2&quot; が含まれています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>&quot;%1&quot; は %2 文字を超えています</translation>
    </message>
    <message>
        <source>characters the radio lacks are left out</source>
        <translation>無線機にない文字を省略</translation>
    </message>
    <message>
        <source>%1 characters at most</source>
        <translation>最大 %1 文字</translation>
    </message>
</context>
<context>
    <name>ChannelOrder</name>
    <message>
        <source>In use first</source>
        <translation>使用中を先頭に</translation>
    </message>
</context>
<context>
    <name>ChannelReport</name>
    <message>
        <source>extended coverage</source>
        <translation>周波数範囲拡張版</translation>
    </message>
    <message>
        <source>standard coverage</source>
        <translation>標準版</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
</context>
<context>
    <name>ChannelRules</name>
    <message>
        <source>%1 is outside the range %2</source>
        <translation>%1 は範囲外です (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s items</source>
        <translation>&quot;%1&quot; はこの無線機の選択肢にありません</translation>
    </message>
</context>
<context>
    <name>CliContext</name>
    <message>
        <source>Identify</source>
        <translation>機種確認</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Memory  </source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Usage: qtr70 %1 [options]</source>
        <translation>使い方: qtr70 %1 [オプション]</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>-o %1 is the input %2: writing it would replace what is read; name another file</source>
        <translation>-o %1 は入力ファイル %2 と同じです: 書き込むと読み込み元が置き換わります; 別のファイルを指定してください</translation>
    </message>
    <message>
        <source>no such port: </source>
        <translation>該当するポートがありません: </translation>
    </message>
    <message>
        <source>interrupted: %1</source>
        <translation>中断: %1</translation>
    </message>
    <message>
        <source>the backup could not be written: %1</source>
        <translation>バックアップを書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>CloneFile</name>
    <message>
        <source>line %1 is longer than %2 characters</source>
        <translation>%1 行目が %2 文字を超えています</translation>
    </message>
    <message>
        <source>the file ends before line %1</source>
        <translation>%1 行目の前でファイルが終わっています</translation>
    </message>
    <message>
        <source>line %1 has %2 characters, not %3</source>
        <translation>%1 行目が %2 文字です (正しくは %3 文字)</translation>
    </message>
    <message>
        <source>unknown header: </source>
        <translation>不明なヘッダー: </translation>
    </message>
    <message>
        <source>no end mark: </source>
        <translation>終了マークがありません: </translation>
    </message>
    <message>
        <source>settings: </source>
        <translation>設定: </translation>
    </message>
    <message>
        <source>VFO %1: %2</source>
        <translation>VFO %1: %2</translation>
    </message>
    <message>
        <source>channel slot %1: %2</source>
        <translation>チャンネルスロット %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandLineTool</name>
    <message>
        <source>Usage: qtr70 COMMAND [OPTIONS]

Commands:
</source>
        <translation>使い方: qtr70 COMMAND [OPTIONS]

コマンド:
</translation>
    </message>
    <message>
        <source>
P is a port number 1 to 14 (&apos;qtr70 ports&apos; shows what each opens), a device path, or a
device&apos;s serial number. &apos;qtr70 COMMAND --help&apos; describes one command.
Exit status: 0 success, 1 transfer failure, 2 wrong usage, 3 file failure,
128 + the signal&apos;s number when a transfer was interrupted (Ctrl+C: 130).
</source>
        <translation>
P は 1 から 14 のポート番号 (&apos;qtr70 ports&apos; で各番号が開くデバイスを表示)、デバイスのパス、または
デバイスのシリアル番号です。各コマンドの説明は &apos;qtr70 COMMAND --help&apos; で表示します。
終了ステータス: 0 成功、1 転送エラー、2 使い方の誤り、3 ファイルエラー、
転送を中断したときは 128 + シグナル番号 (Ctrl+C: 130)。
</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command: </source>
        <translation>不明なコマンド: </translation>
    </message>
</context>
<context>
    <name>Counted</name>
    <message>
        <source>%1 channel</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>%1 row</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 行</translation>
    </message>
    <message>
        <source>%1 slot</source>
        <translation>%1 スロット</translation>
    </message>
    <message>
        <source>%1 slots</source>
        <translation>%1 スロット</translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation>%1 レコード</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>%1 レコード</translation>
    </message>
    <message>
        <source>%1 VFO record</source>
        <translation>VFO レコード %1 件</translation>
    </message>
    <message>
        <source>%1 VFO records</source>
        <translation>VFO レコード %1 件</translation>
    </message>
</context>
<context>
    <name>CsvExchange</name>
    <message>
        <source>%1 &quot;%2&quot; is not understood</source>
        <translation>%1 &quot;%2&quot; を解釈できません</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>the file goes on beyond %1 MB, more than any channel list holds</source>
        <translation>ファイルが %1 MB を超えています (チャンネルリストとしては大きすぎます)</translation>
    </message>
</context>
<context>
    <name>DetectedPort</name>
    <message>
        <source>latency timer %1 ms</source>
        <translation>レイテンシタイマー %1 ms</translation>
    </message>
    <message>
        <source>%1: its latency timer of %2 ms holds back the end of every reply; at 1 ms a read is about a tenth faster. The package&apos;s udev rule sets 1 ms when the adapter is plugged in; until then: echo 1 | sudo tee /sys/class/tty/%3/device/latency_timer</source>
        <translation>%1: レイテンシタイマーが %2 ms のため、すべての応答の終わりが遅れます。1 ms にすると読み出しが約 1 割速くなります。パッケージの udev ルールはアダプターの接続時に 1 ms に設定します。それまでは次のコマンドで設定できます: echo 1 | sudo tee /sys/class/tty/%3/device/latency_timer</translation>
    </message>
</context>
<context>
    <name>DiffCommand</name>
    <message>
        <source>  diff A.R70 B.R70                      print every difference (exit 0 equal, 1 different)
</source>
        <translation>  diff A.R70 B.R70                      相違点をすべて表示 (一致なら終了ステータス 0、相違があれば 1)
</translation>
    </message>
    <message>
        <source>Prints every difference between two clone files.
Exit status 0 when they are equal, 1 when they differ.</source>
        <translation>2 つのクローンファイルの相違点をすべて表示します。
一致すれば終了ステータス 0、相違があれば 1 を返します。</translation>
    </message>
    <message>
        <source>diff needs two clone files</source>
        <translation>diff にはクローンファイルが 2 つ必要です</translation>
    </message>
</context>
<context>
    <name>DocumentEdits</name>
    <message>
        <source>channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>チャンネル %1 を編集</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 を編集</translation>
    </message>
    <message>
        <source>Copy %1 to %2</source>
        <translation>%1 を %2 にコピー</translation>
    </message>
    <message>
        <source>Move %1 to %2</source>
        <translation>%1 を %2 に移動</translation>
    </message>
    <message>
        <source>Sort %1 by %2</source>
        <translation>%1 を並べ替え (%2)</translation>
    </message>
    <message>
        <source>Paste %1 at %2</source>
        <translation>%1 を %2 に貼り付け</translation>
    </message>
    <message>
        <source>Set %1 to %2 for %3</source>
        <translation>%3 の %1 を %2 に設定</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Edit &gt; Undo gives them back.</source>
        <translation>編集 &gt; 元に戻す で元に戻せます。</translation>
    </message>
    <message>
        <source>Copied %1</source>
        <translation>%1 をコピーしました</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 を切り取り</translation>
    </message>
    <message>
        <source>the clipboard holds more than %1 MB, more than any channel list</source>
        <translation>クリップボードの内容が %1 MB を超えており、チャンネルリストとしては大きすぎます</translation>
    </message>
    <message>
        <source>Nothing to paste: the clipboard holds no channel rows</source>
        <translation>貼り付けるものがありません: クリップボードにチャンネルの行がありません</translation>
    </message>
    <message>
        <source>%1 did not fit below %2</source>
        <translation>%1 は %2 までに収まりませんでした</translation>
    </message>
    <message>
        <source>Pasted %1 at %2</source>
        <translation>%2 に %1 を貼り付けました</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>...ほか %1 件</translation>
    </message>
    <message>
        <source>%1 of %2 pasted; these rows were left as they were:<byte value="xd"/>
<byte value="xd"/>
%3</source>
        <translation>%2 のうち %1 行を貼り付けました。次の行はそのままです:<byte value="xd"/>
<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Nothing to move past %1</source>
        <translation>%1 より先へは移動できません</translation>
    </message>
    <message>
        <source>Sort %1 by:</source>
        <translation>%1 の並べ替えの基準:</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Set for Selected</source>
        <translation>選択行に設定</translation>
    </message>
    <message>
        <source>Column to set for %1:</source>
        <translation>%1 に設定する列:</translation>
    </message>
    <message>
        <source>No skip</source>
        <translation>スキップなし</translation>
    </message>
    <message>
        <source>%1 for %2:</source>
        <translation>%2 の %1:</translation>
    </message>
    <message>
        <source>the selected channel in use</source>
        <translation>選択した使用中のチャンネル</translation>
    </message>
    <message>
        <source>the %1 selected channels in use</source>
        <translation>選択した使用中の %1 チャンネル</translation>
    </message>
    <message>
        <source>Set %1 for %2</source>
        <translation>%2 に %1 を設定しました</translation>
    </message>
    <message>
        <source>These channels were left as they were:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>次のチャンネルはそのままです:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Channel (155, A12, B-P2):</source>
        <translation>チャンネル (155, A12, B-P2):</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>移動先</translation>
    </message>
    <message>
        <source>No channel is labelled %1</source>
        <translation>%1 というチャンネルはありません</translation>
    </message>
    <message>
        <source>Are you sure that you want to clear these %1 channels: %2?</source>
        <translation>これらの %1 チャンネル (%2) をクリアしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 をクリア</translation>
    </message>
</context>
<context>
    <name>ExportCsvCommand</name>
    <message>
        <source>  export-csv FILE.R70 -o OUT.csv        write VFO A/B and channels 0-199 as CSV
</source>
        <translation>  export-csv FILE.R70 -o OUT.csv        VFO A/B とチャンネル 0-199 を CSV で書き出す
</translation>
    </message>
    <message>
        <source>CSV file to write.</source>
        <translation>出力先の CSV ファイル。</translation>
    </message>
    <message>
        <source>Writes VFO A and B and the channels 0-199 in use as CSV.</source>
        <translation>VFO A、B と使用中のチャンネル 0-199 を CSV で書き出します。</translation>
    </message>
    <message>
        <source>export-csv needs FILE.R70 and -o OUT.csv</source>
        <translation>export-csv には FILE.R70 と -o OUT.csv が必要です</translation>
    </message>
</context>
<context>
    <name>ExportListCommand</name>
    <message>
        <source>  export-list FILE.R70 -o OUT.csv [--all]
                                        write the channels as a list other programs read
</source>
        <translation>  export-list FILE.R70 -o OUT.csv [--all]
                                        ほかのプログラムが読めるリスト形式でチャンネルを書き出す
</translation>
    </message>
    <message>
        <source>CSV file to write.</source>
        <translation>出力先の CSV ファイル。</translation>
    </message>
    <message>
        <source>Every slot, the empty ones too.</source>
        <translation>空きを含め、すべてのスロットを書き出します。</translation>
    </message>
    <message>
        <source>Writes the channels in use (or every slot) as a CSV list in the layout
most radio programmers read: Location is the slot number 0-603,
Comment the slot&apos;s label.</source>
        <translation>使用中のチャンネル (またはすべてのスロット) を、多くの無線機プログラミング
ソフトが読む形式の CSV リストで書き出します: Location はスロット番号 0-603、
Comment はスロットのラベルです。</translation>
    </message>
    <message>
        <source>export-list needs FILE.R70 and -o OUT.csv</source>
        <translation>export-list には FILE.R70 と -o OUT.csv が必要です</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 を書き出しました</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>PDF Files (*.pdf);;All Files (*.*)</source>
        <translation>PDF ファイル (*.pdf);;すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Restored the unsaved changes; save them to keep them</source>
        <translation>保存されていない変更を復元しました。残すには保存してください</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 を書き出しました</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 の取り込み</translation>
    </message>
    <message>
        <source>Imported %1 and %2; %3 dropped</source>
        <translation>%1 と %2 を取り込みました; 除外: %3</translation>
    </message>
    <message>
        <source>; refused: %1</source>
        <translation>; 拒否: %1</translation>
    </message>
    <message>
        <source>Imported %1 from %2</source>
        <translation>%2 から %1 を取り込みました</translation>
    </message>
    <message>
        <source>; %1 not stored</source>
        <translation>; %1 は格納されませんでした</translation>
    </message>
    <message>
        <source>Wrote %1 to %2</source>
        <translation>%1 を %2 に書き出しました</translation>
    </message>
</context>
<context>
    <name>FileName</name>
    <message>
        <source>the file name cannot be represented exactly</source>
        <translation>ファイル名を正確に表せません</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>&amp;Used only</source>
        <translation>使用中のみ(&amp;U)</translation>
    </message>
    <message>
        <source>Label, frequency, mode or name</source>
        <translation>ラベル、周波数、モード、名前</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>検索(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>検索バーを閉じる (Esc)</translation>
    </message>
    <message>
        <source>Close the find bar</source>
        <translation>検索バーを閉じる</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
</context>
<context>
    <name>IdentifyCommand</name>
    <message>
        <source>  identify --port P                     print the radio&apos;s model variant
</source>
        <translation>  identify --port P                     無線機の機種を表示する
</translation>
    </message>
    <message>
        <source>Asks the radio for its model variant and coverage version.</source>
        <translation>無線機に機種と周波数範囲の種別 (標準版/周波数範囲拡張版) を問い合わせます。</translation>
    </message>
    <message>
        <source>identify needs --port P</source>
        <translation>identify には --port P が必要です</translation>
    </message>
    <message>
        <source>extended coverage: %1</source>
        <translation>周波数範囲拡張版: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>ImageRecords</name>
    <message>
        <source>record %1</source>
        <translation>レコード %1</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>スロット %1</translation>
    </message>
</context>
<context>
    <name>ImageReport</name>
    <message>
        <source>(position %1)</source>
        <translation>(位置 %1)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2: %3 (the same)</source>
        <translation>%1 %2: %3 (同一)</translation>
    </message>
    <message>
        <source>Model: %1

Settings
</source>
        <translation>機種: %1

設定
</translation>
    </message>
    <message>
        <source>
VFO
</source>
        <translation>
VFO
</translation>
    </message>
    <message>
        <source>
Channels
</source>
        <translation>
チャンネル
</translation>
    </message>
    <message>
        <source>  (none in use)
</source>
        <translation>  (使用中のチャンネルなし)
</translation>
    </message>
    <message>
        <source>Model: %1 -&gt; %2</source>
        <translation>機種: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>Setting %1: %2 -&gt; %3</source>
        <translation>設定 %1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>, split </source>
        <translation>, スプリット </translation>
    </message>
    <message>
        <source>only in the first</source>
        <translation>1 つ目のみ</translation>
    </message>
    <message>
        <source>only in the second</source>
        <translation>2 つ目のみ</translation>
    </message>
    <message>
        <source> (extended coverage)</source>
        <translation> (周波数範囲拡張版)</translation>
    </message>
</context>
<context>
    <name>ImportCsvCommand</name>
    <message>
        <source>  import-csv FILE.R70 IN.csv -o OUT.R70 store a CSV&apos;s records into a copy of a clone file
</source>
        <translation>  import-csv FILE.R70 IN.csv -o OUT.R70 CSV のレコードをクローンファイルのコピーに取り込む
</translation>
    </message>
    <message>
        <source>Clone file to write.</source>
        <translation>出力先のクローンファイル。</translation>
    </message>
    <message>
        <source>Stores the channel and VFO records of a CSV file into a copy of a
clone file; rows the CSV does not name keep their contents. A record
the radio could not hold (a frequency outside its range, a name it
cannot show) is refused and listed by its line.</source>
        <translation>CSV ファイルのチャンネルと VFO のレコードをクローンファイルのコピーに
取り込みます; CSV にない行は元の内容のままです。無線機が保持できない
レコード (範囲外の周波数、表示できない名前など) は取り込まず、
その行番号とともに表示します。</translation>
    </message>
    <message>
        <source>import-csv needs FILE.R70, IN.csv and -o OUT.R70</source>
        <translation>import-csv には FILE.R70、IN.csv と -o OUT.R70 が必要です</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>取り込めません: %1</translation>
    </message>
    <message>
        <source>Stored %1 channel(s) and %2 VFO record(s); dropped %3 record(s).</source>
        <translation>%1 チャンネルと VFO レコード %2 件を取り込みました; %3 レコードを除外しました。</translation>
    </message>
</context>
<context>
    <name>ImportListCommand</name>
    <message>
        <source>  import-list FILE.R70 IN.csv -o OUT.R70 [--at SLOT | --keep-location] [--yes]
                                        store another program&apos;s channel list into a copy
</source>
        <translation>  import-list FILE.R70 IN.csv -o OUT.R70 [--at SLOT | --keep-location] [--yes]
                                        ほかのプログラムのチャンネルリストをコピーに取り込む
</translation>
    </message>
    <message>
        <source>Clone file to write.</source>
        <translation>出力先のクローンファイル。</translation>
    </message>
    <message>
        <source>First slot to fill (0, 17, A 5, B-P2); 0 by default.</source>
        <translation>格納を始めるスロット (0, 17, A 5, B-P2); 既定は 0 です。</translation>
    </message>
    <message>
        <source>Store each row in the slot its Location names.</source>
        <translation>各行を Location が示すスロットに格納します。</translation>
    </message>
    <message>
        <source>Do not ask before writing (needed without a terminal to ask on).</source>
        <translation>書き込む前に確認しません (確認できる端末がない場合に必要)。</translation>
    </message>
    <message>
        <source>Reads a channel list in the CSV layout most radio programmers,
repeater directories and club lists write, shows what each row
becomes on this radio (its slot, what was adjusted, the rows
refused and why), then stores it into a copy of a clone file.
Rows go into the slots from --at on in file order, or by their
Location with --keep-location.</source>
        <translation>多くの無線機プログラミングソフト、レピーター一覧、クラブのリストが書き出す
CSV 形式のチャンネルリストを読み込み、各行がこの無線機でどうなるか
(格納先のスロット、調整した内容、取り込めない行とその理由) を
表示してから、クローンファイルのコピーに格納します。
行は --at で指定したスロットからファイルの順に、または
--keep-location では Location が示すスロットに格納します。</translation>
    </message>
    <message>
        <source>import-list needs FILE.R70, IN.csv, -o OUT.R70 and at most one of --at/--keep-location</source>
        <translation>import-list には FILE.R70、IN.csv と -o OUT.R70 が必要です (--at/--keep-location はどちらか一方まで)</translation>
    </message>
    <message>
        <source>--at %1 names no slot</source>
        <translation>--at %1 に該当するスロットがありません</translation>
    </message>
    <message>
        <source>nothing to store: %1 was not written</source>
        <translation>格納するものがありません: %1 は書き出していません</translation>
    </message>
    <message>
        <source>import-list asks before writing, and there is no terminal to ask on: add --yes to write without asking</source>
        <translation>import-list は書き込む前に確認しますが、確認できる端末がありません: 確認なしで書き込むには --yes を付けてください</translation>
    </message>
    <message>
        <source>Store them into %1?</source>
        <translation>%1 に格納しますか？</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 を書き出しました</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>Not stored: %1</source>
        <translation>格納されない: %1</translation>
    </message>
    <message>
        <source>Replaces the channel in use</source>
        <translation>使用中のチャンネルを置き換える</translation>
    </message>
    <message>
        <source>Empties the slot</source>
        <translation>スロットを空きにする</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>チャンネルの取り込み</translation>
    </message>
    <message>
        <source>Values changed to fit the radio are marked; the last column says why. OK stores the rows as one step that Undo takes back.</source>
        <translation>無線機に合わせて変更した値には印が付いています。その理由は最後の列に示されます。OK を押すと、各行が 1 つの操作として格納され、「元に戻す」で取り消せます。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>スロット</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>処理内容</translation>
    </message>
    <message>
        <source>Rows to import</source>
        <translation>取り込む行</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>a FIFO, not a file: the window reads only files</source>
        <translation>ファイルではなく FIFO です: ウィンドウで読めるのはファイルのみです</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>To print the channel list: File &gt; Export PDF, then print the PDF.</source>
        <translation>チャンネル一覧を印刷するには、ﾌｧｲﾙ &gt; PDF出力 で PDF を書き出し、その PDF を印刷してください。</translation>
    </message>
</context>
<context>
    <name>MainStatusBar</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>qtr70-clone: %1: stopping the transfer at the next record
</source>
        <translation>qtr70-clone: %1: 次のレコードで転送を中止します
</translation>
    </message>
</context>
<context>
    <name>MemoryGrid</name>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
</context>
<context>
    <name>MemoryPage</name>
    <message>
        <source>Transfer progress</source>
        <translation>転送の進行状況</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Stop after the record being transferred; the radio is told the transfer ended</source>
        <translation>転送中のレコードの後で中止し、転送の終了を無線機に伝えます</translation>
    </message>
</context>
<context>
    <name>MemoryTableModel</name>
    <message>
        <source>Changed since the radio was last read or written, or the file opened</source>
        <translation>無線機から最後に読み出した、または書き込んだ後、あるいはファイルを開いた後に変更されています</translation>
    </message>
</context>
<context>
    <name>PdfExportDialog</name>
    <message>
        <source>Export PDF</source>
        <translation>PDF出力</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>レター</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>List empty channels too</source>
        <translation>空きチャンネルも出力する</translation>
    </message>
    <message>
        <source>Open after saving</source>
        <translation>保存後に開く</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>向き</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>set by %1</source>
        <translation>%1 で指定</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>割り当て済み</translation>
    </message>
    <message>
        <source>the usual name</source>
        <translation>通常の名前</translation>
    </message>
    <message>
        <source>Port number</source>
        <translation>ポート番号</translation>
    </message>
    <message>
        <source>Serial devices present</source>
        <translation>接続されているシリアルデバイス</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Maker</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Click a device to assign it to the selected port number.</source>
        <translation>デバイスをクリックすると、選択したポート番号に割り当てます。</translation>
    </message>
    <message>
        <source>Click the device of the radio&apos;s cable to assign it to the selected port.</source>
        <translation>無線機のケーブルのデバイスをクリックすると、選択したポートに割り当てます。</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Unassign</source>
        <translation>割り当て解除</translation>
    </message>
    <message>
        <source>The selected port number goes back to its usual device.</source>
        <translation>選択したポート番号を通常のデバイスに戻します。</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>デバイスなし</translation>
    </message>
    <message>
        <source>%1 (present)</source>
        <translation>%1 (接続中)</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (未接続)</translation>
    </message>
    <message>
        <source>Select a port number.</source>
        <translation>ポート番号を選んでください。</translation>
    </message>
    <message>
        <source>%1 leads to no device: fewer USB serial devices are plugged in.</source>
        <translation>%1 に対応するデバイスはありません: 接続されている USB シリアルデバイスがそれより少ないためです。</translation>
    </message>
    <message>
        <source>%1 opens %2 (%3): %4.</source>
        <translation>%1 は %2 を開きます (%3): %4。</translation>
    </message>
</context>
<context>
    <name>PortMapping</name>
    <message>
        <source>environment (%1)</source>
        <translation>環境変数 (%1)</translation>
    </message>
    <message>
        <source>assignment</source>
        <translation>割り当て</translation>
    </message>
    <message>
        <source>guess</source>
        <translation>推定</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>デバイスなし</translation>
    </message>
    <message>
        <source>present</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>no device (%1)</source>
        <translation>デバイスなし (%1)</translation>
    </message>
</context>
<context>
    <name>PortProblem</name>
    <message>
        <source>No serial device is present.</source>
        <translation>シリアルデバイスが接続されていません。</translation>
    </message>
    <message>
        <source>Serial devices present: %1.</source>
        <translation>接続されているシリアルデバイス: %1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> The one USB serial device present is %1: assign it to port %2 in Tool &gt; COM Port Setup (or give qtr70 --port %1).</source>
        <translation> 接続されている USB シリアルデバイスは %1 だけです: ﾂｰﾙ &gt; COM ポートセットアップ でポート %2 に割り当ててください (または qtr70 --port %1 を指定してください)。</translation>
    </message>
    <message>
        <source> Port %1 leads elsewhere because %2 is set.</source>
        <translation> %2 が設定されているため、ポート %1 は別のデバイスを指しています。</translation>
    </message>
    <message>
        <source>No device for port %1: port n is the n-th USB serial device, and not that many are plugged in. %2%3</source>
        <translation>ポート %1 のデバイスがありません: ポート n は n 番目の USB シリアルデバイスですが、その数だけ接続されていません。%2%3</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>デバイスがありません</translation>
    </message>
    <message>
        <source>%1: %2. It is not there: the radio&apos;s cable is not plugged in, or its driver has not loaded. %3%4</source>
        <translation>%1: %2。デバイスが存在しません: 無線機のケーブルが接続されていないか、ドライバーが読み込まれていません。%3%4</translation>
    </message>
    <message>
        <source>Permission denied: %1. </source>
        <translation>アクセスが拒否されました: %1。 </translation>
    </message>
    <message>
        <source>Only its owner, %1, may open it (mode %2): no group may, so joining a group does not help. Run the program as %1, or give the device to a group (a udev rule with GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;).</source>
        <translation>開けるのは所有者の %1 だけです (モード %2): どのグループにも許可がないため、グループに参加しても解決しません。プログラムを %1 として実行するか、デバイスをグループに割り当ててください (udev ルールで GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;)。</translation>
    </message>
    <message>
        <source>It belongs to group %1; %2 is in that group, but this login session started before: log out and in again.</source>
        <translation>デバイスはグループ %1 に属しています。%2 はこのグループに入っていますが、このログインセッションはそれより前に始まっています: 一度ログアウトして、再度ログインしてください。</translation>
    </message>
    <message>
        <source>It belongs to group %1, which %2 is not in. Run `sudo usermod -aG %1 $USER`, then log out and in again.</source>
        <translation>デバイスはグループ %1 に属していますが、%2 はこのグループに入っていません。`sudo usermod -aG %1 $USER` を実行してから、一度ログアウトして再度ログインしてください。</translation>
    </message>
    <message>
        <source>Device busy: %1. Another program holds it (a terminal program, a modem manager, or another copy of this program): end it, then try again.</source>
        <translation>デバイス使用中: %1。別のプログラム (端末プログラム、モデムマネージャー、またはこのプログラムの別のコピー) が使用しています: そのプログラムを終了してから、もう一度試してください。</translation>
    </message>
</context>
<context>
    <name>PortsCommand</name>
    <message>
        <source>No serial device is present.
</source>
        <translation>接続されているシリアルデバイスはありません。
</translation>
    </message>
    <message>
        <source>Serial devices present:
</source>
        <translation>接続されているシリアルデバイス:
</translation>
    </message>
    <message>
        <source>  DEVICE</source>
        <translation>  デバイス</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>MAKER</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>SERIAL NUMBER</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>LATENCY</source>
        <translation>レイテンシ</translation>
    </message>
    <message>
        <source>  PORT</source>
        <translation>  ポート</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>WHY</source>
        <translation>由来</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>
Assign a device to a port number in the desktop program (Tool &gt; COM Port Setup),
or give its path or serial number to --port.
</source>
        <translation>
デバイスはデスクトップ版 (ﾂｰﾙ &gt; COM ポートセットアップ) でポート番号に割り当てるか、
そのパスまたはシリアル番号を --port に指定してください。
</translation>
    </message>
    <message>
        <source>  ports                                 list the serial devices and what ports 1-14 open
</source>
        <translation>  ports                                 シリアルデバイスと、ポート 1-14 が開くデバイスを一覧表示
</translation>
    </message>
    <message>
        <source>Lists the serial devices present and the device each port number 1-14 leads to:
the environment variable QTR70_COM&lt;n&gt;, else the device assigned in the port dialog,
else the platform&apos;s guess.</source>
        <translation>接続されているシリアルデバイスと、ポート番号 1-14 がそれぞれ開くデバイスを一覧表示します:
環境変数 QTR70_COM&lt;n&gt;、なければポートダイアログで割り当てたデバイス、
なければプラットフォームが推定したデバイスです。</translation>
    </message>
    <message>
        <source>ports takes no arguments</source>
        <translation>ports は引数を取りません</translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation>ポート:</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>  print FILE.R70 -o LIST.pdf [--all] [--paper A4|Letter]
                                        write the channel list as PDF
</source>
        <translation>  print FILE.R70 -o LIST.pdf [--all] [--paper A4|Letter]
                                        チャンネルリストを PDF で書き出す
</translation>
    </message>
    <message>
        <source>PDF file to write.</source>
        <translation>出力先の PDF ファイル。</translation>
    </message>
    <message>
        <source>List all 604 channel rows.</source>
        <translation>チャンネルの全 604 行を載せます。</translation>
    </message>
    <message>
        <source>A4 or Letter (default: the locale&apos;s).</source>
        <translation>A4 または Letter (既定: ロケールに従う)。</translation>
    </message>
    <message>
        <source>Writes a clone file&apos;s channel list as PDF: settings, VFOs and the
channels in use (all rows with --all).</source>
        <translation>クローンファイルのチャンネルリストを PDF で書き出します: 設定、VFO と
使用中のチャンネル (--all ではすべての行)。</translation>
    </message>
    <message>
        <source>print needs FILE.R70, -o LIST.pdf and --paper A4 or Letter</source>
        <translation>print には FILE.R70 と -o LIST.pdf が必要です (--paper は A4 か Letter)</translation>
    </message>
</context>
<context>
    <name>ProgramTexts</name>
    <message>
        <source>Reads the memory of a Korvan QT-R70 transceiver over its clone cable, lets you edit the settings, the VFOs and the 604 memory channels, keeps them in clone files and writes them back.</source>
        <translation>Korvan QT-R70 トランシーバーのメモリーをクローンケーブル経由で読み出し、設定、VFO、604 のメモリーチャンネルを編集して、クローンファイルに保存し、無線機に書き戻します。</translation>
    </message>
    <message>
        <source>This program comes without any warranty. Save a clone file of your radio before you write to it.</source>
        <translation>このプログラムは無保証です。無線機に書き込む前に、その無線機のクローンファイルを保存してください。</translation>
    </message>
</context>
<context>
    <name>RadioCommand</name>
    <message>
        <source>Port number 1-14 or device path.</source>
        <translation>ポート番号 1-14 またはデバイスのパス。</translation>
    </message>
</context>
<context>
    <name>RadioFleet</name>
    <message>
        <source>Read %1, kept in the backups.</source>
        <translation>%1 を読み出し、バックアップに保存しました。</translation>
    </message>
    <message>
        <source>Wrote the whole image.</source>
        <translation>すべてを書き込みました。</translation>
    </message>
    <message>
        <source>Stopped before writing; nothing was written.</source>
        <translation>書き込み前に中止しました。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>中止: %1</translation>
    </message>
    <message>
        <source>Not written: the radio is a %1, the file is for a %2 (--force-model writes it)</source>
        <translation>書き込みませんでした: 無線機は %1、ファイルは %2 用です (--force-model で書き込みます)</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>何も書き込んでいません</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 of %2 radios read</source>
        <translation>%2 台中 %1 台を読み出しました</translation>
    </message>
    <message>
        <source>%1 of %2 radios written</source>
        <translation>%2 台中 %1 台に書き込みました</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>Read Memory from the radio</source>
        <translation>無線機からメモリーを読み出し</translation>
    </message>
    <message>
        <source>Read Settings from the radio</source>
        <translation>無線機から設定を読み出し</translation>
    </message>
    <message>
        <source>Read ALL from the radio</source>
        <translation>無線機からすべて読み出し</translation>
    </message>
    <message>
        <source>nothing more was read</source>
        <translation>以降は読み出していません</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>the VFOs</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>スロット %1</translation>
    </message>
    <message>
        <source>slots %1</source>
        <translation>スロット %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1 now holds what the radio sent; Edit &gt; Undo gives back the document as it was.</source>
        <translation>%1 は無線機から送られた内容になりました。編集 &gt; 元に戻す で元の状態に戻せます。</translation>
    </message>
    <message>
        <source>%1 now hold what the radio sent; Edit &gt; Undo gives back the document as it was.</source>
        <translation>%1 は無線機から送られた内容になりました。編集 &gt; 元に戻す で元の状態に戻せます。</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>何も書き込んでいません</translation>
    </message>
    <message>
        <source>read back not done</source>
        <translation>読み返しは行っていません</translation>
    </message>
</context>
<context>
    <name>ReadCommand</name>
    <message>
        <source>Clone file to write.</source>
        <translation>出力先のクローンファイル。</translation>
    </message>
    <message>
        <source>Reads the radio (Auto Select, settings, memory) into a clone file.
Nothing is written when any step fails.</source>
        <translation>無線機 (Auto Select、設定、メモリー) をクローンファイルに読み出します。
いずれかの手順が失敗したときは何も書き出しません。</translation>
    </message>
    <message>
        <source>read needs --port P and -o FILE.R70</source>
        <translation>read には --port P と -o FILE.R70 が必要です</translation>
    </message>
    <message>
        <source>nothing more was read</source>
        <translation>それ以降は読み出していません</translation>
    </message>
    <message>
        <source>no file written</source>
        <translation>ファイルは書き出していません</translation>
    </message>
    <message>
        <source>%1 (extended coverage)</source>
        <translation>%1 (周波数範囲拡張版)</translation>
    </message>
    <message>
        <source>Read %1 into %2</source>
        <translation>%1 を %2 に読み出しました</translation>
    </message>
    <message>
        <source>  read --port P -o FILE.R70             read the whole radio into a clone file
  read --port P --port Q ... [-o DIR]   read several radios at once into the backups (and DIR)
</source>
        <translation>  read --port P -o FILE.R70             無線機の全内容をクローンファイルに読み出す
  read --port P --port Q ... [-o DIR]   複数の無線機を同時にバックアップへ (と DIR へ) 読み出す
</translation>
    </message>
    <message>
        <source>with several ports, -o names a folder: %1 is none</source>
        <translation>ポートが複数のときは -o にフォルダーを指定します: %1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <translation>%1 → %2</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Remove Missing Files</source>
        <translation>存在しないファイルを一覧から削除</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>qtr70-clone: the recovery copy could not be kept: %1
</source>
        <translation>qtr70-clone: 復旧用コピーを保存できませんでした: %1
</translation>
    </message>
    <message>
        <source>a new document</source>
        <translation>新しいドキュメント</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept when the program ended (%2).<byte value="xd"/>
Restore them?<byte value="xd"/>
<byte value="xd"/>
No deletes the kept copy; Cancel keeps it for the next start.</source>
        <translation>プログラムの終了時 (%2) に、%1 の保存されていない変更が保持されました。<byte value="xd"/>
復元しますか？<byte value="xd"/>
<byte value="xd"/>
「いいえ」を押すと保持したコピーを削除し、「キャンセル」を押すと次回の起動まで残します。</translation>
    </message>
    <message>
        <source>Restore Changes</source>
        <translation>変更の復元</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>cannot make the folder </source>
        <translation>フォルダーを作成できません: </translation>
    </message>
    <message>
        <source>cannot lock </source>
        <translation>ロックできません: </translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>Channel list</source>
        <translation>チャンネルリスト</translation>
    </message>
</context>
<context>
    <name>SerialRadioPort</name>
    <message>
        <source>Port not open</source>
        <translation>ポートが開いていません</translation>
    </message>
    <message>
        <source>the device was disconnected or hung up</source>
        <translation>デバイスが切断されたかハングアップしました</translation>
    </message>
</context>
<context>
    <name>SessionResult</name>
    <message>
        <source>The radio already holds these settings and channels; nothing was written.</source>
        <translation>無線機はすでにこの設定とチャンネルになっています。何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>The backup of what the radio holds could not be written (%1), so nothing was written.</source>
        <translation>無線機の内容のバックアップを保存できなかったため (%1)、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 を書き込みました。</translation>
    </message>
    <message>
        <source>Stopped before writing; nothing was written.</source>
        <translation>書き込み前に中止しました。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Stopped; wrote %1.</source>
        <translation>中止しました。%1 は書き込み済みです。</translation>
    </message>
    <message>
        <source>Nothing was written before the failure.</source>
        <translation>エラーの前に書き込んだものはありません。</translation>
    </message>
    <message>
        <source>Written to the radio before the failure: %1.</source>
        <translation>エラーの前に無線機に書き込んだもの: %1。</translation>
    </message>
</context>
<context>
    <name>SettingsCodec</name>
    <message>
        <source>first settings record</source>
        <translation>1 つ目の設定レコード</translation>
    </message>
    <message>
        <source>second settings record</source>
        <translation>2 つ目の設定レコード</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Model: %1 → %2</source>
        <translation>機種: %1 → %2</translation>
    </message>
</context>
<context>
    <name>SeveralRadiosDialog</name>
    <message>
        <source>Write to Several Radios</source>
        <translation>複数の無線機に書き込み</translation>
    </message>
    <message>
        <source>Radios (one cable each)</source>
        <translation>無線機 (1 台につきケーブル 1 本)</translation>
    </message>
    <message>
        <source>No serial device is present.</source>
        <translation>シリアルデバイスが接続されていません。</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み方法</translation>
    </message>
    <message>
        <source>Write &amp;Changes: read and back up each radio, then write only what differs</source>
        <translation>変更分の書き込み: 各無線機を読み出してバックアップし、相違分だけを書き込む(&amp;C)</translation>
    </message>
    <message>
        <source>Write &amp;ALL: settings, VFOs and every channel</source>
        <translation>すべて書き込み: 設定、VFO、全チャンネル(&amp;A)</translation>
    </message>
    <message>
        <source>Radios being written</source>
        <translation>書き込み中の無線機</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>中止(&amp;T)</translation>
    </message>
    <message>
        <source>Copy S&amp;ummary</source>
        <translation>結果をコピー(&amp;U)</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>%1 の進行状況</translation>
    </message>
    <message>
        <source>Tick the radios to write.</source>
        <translation>書き込む無線機にチェックを付けてください。</translation>
    </message>
    <message>
        <source>Writing %1 radios</source>
        <translation>%1 台の無線機に書き込み中</translation>
    </message>
    <message>
        <source>%1 (port %2)</source>
        <translation>%1 (ポート %2)</translation>
    </message>
</context>
<context>
    <name>ShowCommand</name>
    <message>
        <source>  show FILE.R70                         print a clone file&apos;s settings, VFOs and channels
</source>
        <translation>  show FILE.R70                         クローンファイルの設定、VFO、チャンネルを表示
</translation>
    </message>
    <message>
        <source>Prints a clone file: model, settings, VFOs, channels in use.</source>
        <translation>クローンファイルの内容 (機種、設定、VFO、使用中のチャンネル) を表示します。</translation>
    </message>
    <message>
        <source>show needs one FILE.R70</source>
        <translation>show には FILE.R70 が 1 つ必要です</translation>
    </message>
</context>
<context>
    <name>TransferEngine</name>
    <message>
        <source>slot %1</source>
        <translation>スロット %1</translation>
    </message>
    <message>
        <source>record %1</source>
        <translation>レコード %1</translation>
    </message>
    <message>
        <source>no slot %1, 0–%2 %3</source>
        <translation>%1のスロットなし、0–%2 %3</translation>
    </message>
    <message>
        <source>slots 0–%1 %2, %3–%4 %5</source>
        <translation>スロット 0–%1 %2、%3–%4 %5</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>records %1</source>
        <translation>レコード %1</translation>
    </message>
    <message>
        <source>slots %1</source>
        <translation>スロット %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source> and </source>
        <translation> と </translation>
    </message>
    <message>
        <source>nothing more was transferred</source>
        <translation>以降は転送していません</translation>
    </message>
    <message>
        <source>model check</source>
        <translation>機種の確認</translation>
    </message>
    <message>
        <source>read</source>
        <translation>読み出し済み</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未読み出し</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込み済み</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>no settings record written</source>
        <translation>設定レコードは書き込んでいません</translation>
    </message>
    <message>
        <source>records %1 written</source>
        <translation>レコード %1 を書き込み済み</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>機種の確認</translation>
    </message>
    <message>
        <source>identification: unknown variant code &quot;%1&quot;</source>
        <translation>機種の確認: 不明な機種コード &quot;%1&quot;</translation>
    </message>
    <message>
        <source>stopped between the settings and the channels</source>
        <translation>設定とチャンネルの間で中止</translation>
    </message>
    <message>
        <source>stopped before %1</source>
        <translation>%1 の前で中止</translation>
    </message>
    <message>
        <source>reading back stopped before %1</source>
        <translation>%1 の前で読み返しを中止</translation>
    </message>
    <message>
        <source>read back differs: %1</source>
        <translation>読み返しが一致しません: %1</translation>
    </message>
</context>
<context>
    <name>TransferPanel</name>
    <message>
        <source>Write Changes</source>
        <translation>変更分の書き込み</translation>
    </message>
    <message>
        <source>Reading settings and VFOs</source>
        <translation>設定と VFO を読み出し中</translation>
    </message>
    <message>
        <source>Writing settings and VFOs</source>
        <translation>設定と VFO を書き込み中</translation>
    </message>
    <message>
        <source>Asking the radio for its model</source>
        <translation>無線機に機種を問い合わせ中</translation>
    </message>
    <message>
        <source>Writing channel %1 of %2</source>
        <translation>チャンネル %1 / %2 を書き込み中</translation>
    </message>
    <message>
        <source>Reading channel %1 of %2</source>
        <translation>チャンネル %1 / %2 を読み出し中</translation>
    </message>
    <message>
        <source>The backup of the radio could not be written.<byte value="xd"/>
%1</source>
        <translation>無線機のバックアップを保存できませんでした。<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Read settings and %1 channels in %2 s</source>
        <translation>設定と %1 チャンネルを %2 秒で読み出しました</translation>
    </message>
    <message>
        <source>Read %1 channels in %2 s</source>
        <translation>%1 チャンネルを %2 秒で読み出しました</translation>
    </message>
    <message>
        <source>Wrote settings and %1 channels in %2 s</source>
        <translation>設定と %1 チャンネルを %2 秒で書き込みました</translation>
    </message>
    <message>
        <source>Wrote %1 channels in %2 s</source>
        <translation>%1 チャンネルを %2 秒で書き込みました</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>設定を読み出しました</translation>
    </message>
    <message>
        <source>Wrote settings</source>
        <translation>設定を書き込みました</translation>
    </message>
    <message>
        <source>Radio model: %1</source>
        <translation>無線機の機種: %1</translation>
    </message>
</context>
<context>
    <name>TransferResult</name>
    <message>
        <source>interrupted</source>
        <translation>中断</translation>
    </message>
</context>
<context>
    <name>VfoCodec</name>
    <message>
        <source>record text</source>
        <translation>レコードのテキスト</translation>
    </message>
</context>
<context>
    <name>WriteCommand</name>
    <message>
        <source>Write only the settings and VFOs.</source>
        <translation>設定と VFO だけを書き込みます。</translation>
    </message>
    <message>
        <source>Write only the memory channels.</source>
        <translation>メモリーチャンネルだけを書き込みます。</translation>
    </message>
    <message>
        <source>Read the radio first (kept as a backup), then write only the records that differ
and read them back.</source>
        <translation>まず無線機を読み出し (バックアップとして保存)、相違するレコードだけを書き込んで
読み返します。</translation>
    </message>
    <message>
        <source>With --changes: do not ask before writing (needed without a terminal to ask on).</source>
        <translation>--changes 指定時: 書き込む前に確認しません (確認できる端末がない場合に必要)。</translation>
    </message>
    <message>
        <source>write needs --port P, at most one of --settings/--memory/--changes, and FILE.R70</source>
        <translation>write には --port P と FILE.R70 が必要です (--settings/--memory/--changes は 1 つまで)</translation>
    </message>
    <message>
        <source>write --changes asks before writing, and there is no terminal to ask on: add --yes to write without asking</source>
        <translation>write --changes は書き込む前に確認しますが、確認できる端末がありません: 確認なしで書き込むには --yes を付けてください</translation>
    </message>
    <message>
        <source>Wrote %1 to the radio</source>
        <translation>%1 を無線機に書き込みました</translation>
    </message>
    <message>
        <source>interrupted: %1</source>
        <translation>中断: %1</translation>
    </message>
    <message>
        <source>  write --port P [--settings | --memory] FILE.R70
                                        write a clone file to the radio (all by default)
  write --changes --port P [--yes] FILE.R70
                                        back the radio up, then write only what differs
  write --port P --port Q ... [--changes] [--yes] [--force-model] FILE.R70
                                        write one clone file to several radios at once
</source>
        <translation>  write --port P [--settings | --memory] FILE.R70
                                        クローンファイルを無線機に書き込む (既定はすべて)
  write --changes --port P [--yes] FILE.R70
                                        無線機をバックアップしてから、相違分だけを書き込む
  write --port P --port Q ... [--changes] [--yes] [--force-model] FILE.R70
                                        1 つのクローンファイルを複数の無線機に同時に書き込む
</translation>
    </message>
    <message>
        <source>With several ports: write a radio of another model than the file&apos;s too (it is skipped otherwise).</source>
        <translation>ポートが複数のとき: ファイルと機種の異なる無線機にも書き込みます (指定しなければ飛ばします)。</translation>
    </message>
    <message>
        <source>Writes a clone file to the radio: settings and VFOs, then memory
(each after the radio confirmed its model). With --port given
several times, writes every radio at once (--changes or all).</source>
        <translation>クローンファイルを無線機に書き込みます: 設定と VFO、次にメモリー
(それぞれ無線機が機種を確認してから)。--port を複数指定すると、
すべての無線機に同時に書き込みます (--changes またはすべて)。</translation>
    </message>
    <message>
        <source>several radios are written with --changes or whole, not --settings or --memory</source>
        <translation>複数の無線機には --changes かすべてで書き込みます (--settings、--memory は使えません)</translation>
    </message>
    <message>
        <source>Write the changes of %1 to the %2 radios on %3?</source>
        <translation>%1 の変更分を %3 の %2 台の無線機に書き込みますか？</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>書き込めなかった無線機: %1</translation>
    </message>
</context>
</TS>
