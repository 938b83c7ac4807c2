<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>cli</name>
    <message>
        <source>pernoa %1</source>
        <translation>pernoa %1</translation>
    </message>
    <message>
        <source>pernoa: %1
Try &apos;pernoa --help&apos; for more information.</source>
        <translation>pernoa: %1
Try &apos;pernoa --help&apos; for more information.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <translation>%1 takes %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--paper takes %1, not &quot;%2&quot;</source>
        <translation>--paper takes %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--lines takes 2, 3, 4, 5 or 6, not &quot;%1&quot;</source>
        <translation>--lines takes 2, 3, 4, 5 or 6, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--weight takes thin, normal or thick, not &quot;%1&quot;</source>
        <translation>--weight takes thin, normal or thick, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--shade takes a whole number from 0 to 255, not &quot;%1&quot;</source>
        <translation>--shade takes a whole number from 0 to 255, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another action</source>
        <translation>%1 cannot be combined with another action</translation>
    </message>
    <message>
        <source>--save-settings needs a file name</source>
        <translation>--save-settings needs a file name</translation>
    </message>
    <message>
        <source>only one settings file may be given, not also &quot;%1&quot;</source>
        <translation>only one settings file may be given, not also &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the settings file name is empty</source>
        <translation>the settings file name is empty</translation>
    </message>
    <message>
        <source>--list-printers takes no other option</source>
        <translation>--list-printers takes no other option</translation>
    </message>
    <message>
        <source>--printer only goes with --print</source>
        <translation>--printer only goes with --print</translation>
    </message>
    <message>
        <source>--calibration-sheet only goes with --print or --export-pdf</source>
        <translation>--calibration-sheet only goes with --print or --export-pdf</translation>
    </message>
    <message>
        <source>pernoa: %1</source>
        <translation>pernoa: %1</translation>
    </message>
    <message>
        <source>pernoa: warning: %1</source>
        <translation>pernoa: warning: %1</translation>
    </message>
    <message>
        <source>pernoa: cannot write to standard output: %1</source>
        <translation>pernoa: cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>pernoa: no installed printer is named &quot;%1&quot;</source>
        <translation>pernoa: no installed printer is named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>pernoa: standard output is a terminal: redirect it to write the PDF there</source>
        <translation>pernoa: standard output is a terminal: redirect it to write the PDF there</translation>
    </message>
    <message>
        <source>pernoa: the copy count rounds to 0, nothing was written</source>
        <translation>pernoa: the copy count rounds to 0, nothing was written</translation>
    </message>
    <message>
        <source>pernoa: the copy count rounds to 0, nothing was printed</source>
        <translation>pernoa: the copy count rounds to 0, nothing was printed</translation>
    </message>
    <message>
        <source>pernoa: wrote %1, 1 page</source>
        <translation>pernoa: wrote %1, 1 page</translation>
    </message>
    <message>
        <source>pernoa: wrote %1, %2 pages</source>
        <translation>pernoa: wrote %1, %2 pages</translation>
    </message>
    <message>
        <source>pernoa: wrote the PDF to standard output, 1 page</source>
        <translation>pernoa: wrote the PDF to standard output, 1 page</translation>
    </message>
    <message>
        <source>pernoa: wrote the PDF to standard output, %1 pages</source>
        <translation>pernoa: wrote the PDF to standard output, %1 pages</translation>
    </message>
    <message>
        <source>pernoa: copy %1 of %2</source>
        <translation>pernoa: copy %1 of %2</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>--lang takes ja or en, not &quot;%1&quot;</source>
        <translation>--lang takes ja or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>paper (%1); WIDTHxHEIGHT in mm, each
                                    %2 to %3 (230x305)</source>
        <translation>paper (%1); WIDTHxHEIGHT in mm, each
                                    %2 to %3 (230x305)</translation>
    </message>
    <message>
        <source>--paper takes a width and height from %1 to %2 mm, not &quot;%3&quot;</source>
        <translation>--paper takes a width and height from %1 to %2 mm, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--scale takes X,Y in per cent from %1 to %2, not &quot;%3&quot;</source>
        <translation>--scale takes X,Y in per cent from %1 to %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--dpi takes a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--dpi takes a whole number from %1 to %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>%1 writes a file, not standard output</source>
        <translation>%1 writes a file, not standard output</translation>
    </message>
    <message>
        <source>nothing to do: give --export-pdf, --export-svg, --export-png, --print, --save-settings or --list-printers</source>
        <translation>nothing to do: give --export-pdf, --export-svg, --export-png, --print, --save-settings or --list-printers</translation>
    </message>
    <message>
        <source>--scale only goes with --print</source>
        <translation>--scale only goes with --print</translation>
    </message>
    <message>
        <source>--dpi only goes with --export-png</source>
        <translation>--dpi only goes with --export-png</translation>
    </message>
    <message>
        <source>--copies does not go with %1: it writes one page</source>
        <translation>--copies does not go with %1: it writes one page</translation>
    </message>
    <message>
        <source>Usage: pernoa --export-pdf OUT.pdf [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --export-svg OUT.svg [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --export-png OUT.png [--dpi N] [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --print [--printer NAME] [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --save-settings OUT.kvs2 [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --calibration-sheet --print | --export-pdf OUT.pdf [OPTIONS]
   or: pernoa --list-printers
   or: pernoa --help | --version
Without any of these options pernoa opens its windows.

Prints blank staff paper without opening a window. Every message the
windows would show goes to standard error.

Actions:
  --export-pdf OUT.pdf   write the page to a PDF file, one page per copy;
                         - writes it to standard output
  --export-svg OUT.svg   write the page to an SVG file (one page, in mm), a
                         template for note-taking apps
  --export-png OUT.png   write the page to a PNG picture (one page)
  --dpi N                with --export-png: its resolution, 50 to 1200 (300)
  --print                print on the system&apos;s default printer
  --save-settings OUT.kvs2  write the page as a settings file of the windows
  --printer NAME         with --print: print on the installed printer NAME
  --list-printers        list the installed printers, the default marked
  --calibration-sheet    with --print or --export-pdf: instead of the page, a
                         sheet to measure the printer&apos;s offsets and scale on:
                         a frame 10 mm inside the paper&apos;s edges and 100 mm
                         rulers (paper and orientation from the options;
                         drawn without the offsets, printed at the scale
                         correction)
  --verbose              after an export, name the file and its page count
  --lang ja|en           speak Japanese or English (the windows too); without
                         it, the language chosen in the windows, else the
                         desktop&apos;s (Japanese under the C locale)
  -h, --help             show this help
  -V, --version          show the version

Sheet options, the fields of the main window (checked as the window checks
them; lengths in mm):
%1
  --landscape                       landscape orientation (portrait)
  --margins TOP,BOTTOM,LEFT,RIGHT   page margins (30,30,15,15)
  --blocks N                        number of grand-staff blocks (1)
  --block-gap MM                    gap between the blocks (0)
  --staves N                        staves in each block (10)
  --lines 2..6                      lines of each staff (5)
  --spacing MM                      space between the lines of a staff (2)
  --weight thin|normal|thick        line weight (normal)
  --shade 0..255                    grey level of the lines, 0 black (0)
  --offset X,Y                      printer offset correction, left and top; --print
                                    takes the windows&apos; saved correction without it
  --scale X,Y                       with --print: printer scale correction across
                                    and down, 98.0 to 102.0 %; without it the
                                    windows&apos; saved correction (100,100)
  --copies N                        number of copies (1); not for SVG and PNG

Music on the staves (the third tab of the main window):
  --preset piano|guitar-tab|satb|percussion|plain
                                    fill the fields as the window&apos;s preset does;
                                    the other options override it, in any order
  --stack ROWS                      the staves of each block from the top,
                                    separated by commas, each
                                    CLEF[:LINES[:SPACING]] with CLEF one of
                                    treble bass alto tenor treble8 percussion
                                    tab none; LINES 1..6 (5); SPACING in mm
                                    (--spacing); e.g. --stack treble,tab:6:3
  --brace                           a brace before each block
  --bracket                         a bracket before each block
  --bars N                          bar lines: N measures per staff line (0)
  --bars-through block|staff        bar lines through the block or over each
                                    staff alone (block)
  --rastral 0..8                    staff size: the spacing whose staff has the
                                    rastral&apos;s height (9.2 mm to 3.9 mm)
An option&apos;s value may also follow an equals sign (--copies=3).

SETTINGS.kvs2, a settings file of the windows (parameters, texts, images), is
loaded before the sheet options are applied. A file that does not load
completely stops the run with its messages: nothing is written or printed.

An export says nothing when it succeeds; after the windows&apos; message
&quot;%2&quot; a line starting &quot;pernoa:&quot; names the cause.

Exit status: 0 when done, 1 after an error message, 2 for a usage error.
</source>
        <translation>Usage: pernoa --export-pdf OUT.pdf [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --export-svg OUT.svg [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --export-png OUT.png [--dpi N] [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --print [--printer NAME] [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --save-settings OUT.kvs2 [OPTIONS] [SETTINGS.kvs2]
   or: pernoa --calibration-sheet --print | --export-pdf OUT.pdf [OPTIONS]
   or: pernoa --list-printers
   or: pernoa --help | --version
Without any of these options pernoa opens its windows.

Prints blank staff paper without opening a window. Every message the
windows would show goes to standard error.

Actions:
  --export-pdf OUT.pdf   write the page to a PDF file, one page per copy;
                         - writes it to standard output
  --export-svg OUT.svg   write the page to an SVG file (one page, in mm), a
                         template for note-taking apps
  --export-png OUT.png   write the page to a PNG picture (one page)
  --dpi N                with --export-png: its resolution, 50 to 1200 (300)
  --print                print on the system&apos;s default printer
  --save-settings OUT.kvs2  write the page as a settings file of the windows
  --printer NAME         with --print: print on the installed printer NAME
  --list-printers        list the installed printers, the default marked
  --calibration-sheet    with --print or --export-pdf: instead of the page, a
                         sheet to measure the printer&apos;s offsets and scale on:
                         a frame 10 mm inside the paper&apos;s edges and 100 mm
                         rulers (paper and orientation from the options;
                         drawn without the offsets, printed at the scale
                         correction)
  --verbose              after an export, name the file and its page count
  --lang ja|en           speak Japanese or English (the windows too); without
                         it, the language chosen in the windows, else the
                         desktop&apos;s (Japanese under the C locale)
  -h, --help             show this help
  -V, --version          show the version

Sheet options, the fields of the main window (checked as the window checks
them; lengths in mm):
%1
  --landscape                       landscape orientation (portrait)
  --margins TOP,BOTTOM,LEFT,RIGHT   page margins (30,30,15,15)
  --blocks N                        number of grand-staff blocks (1)
  --block-gap MM                    gap between the blocks (0)
  --staves N                        staves in each block (10)
  --lines 2..6                      lines of each staff (5)
  --spacing MM                      space between the lines of a staff (2)
  --weight thin|normal|thick        line weight (normal)
  --shade 0..255                    grey level of the lines, 0 black (0)
  --offset X,Y                      printer offset correction, left and top; --print
                                    takes the windows&apos; saved correction without it
  --scale X,Y                       with --print: printer scale correction across
                                    and down, 98.0 to 102.0 %; without it the
                                    windows&apos; saved correction (100,100)
  --copies N                        number of copies (1); not for SVG and PNG

Music on the staves (the third tab of the main window):
  --preset piano|guitar-tab|satb|percussion|plain
                                    fill the fields as the window&apos;s preset does;
                                    the other options override it, in any order
  --stack ROWS                      the staves of each block from the top,
                                    separated by commas, each
                                    CLEF[:LINES[:SPACING]] with CLEF one of
                                    treble bass alto tenor treble8 percussion
                                    tab none; LINES 1..6 (5); SPACING in mm
                                    (--spacing); e.g. --stack treble,tab:6:3
  --brace                           a brace before each block
  --bracket                         a bracket before each block
  --bars N                          bar lines: N measures per staff line (0)
  --bars-through block|staff        bar lines through the block or over each
                                    staff alone (block)
  --rastral 0..8                    staff size: the spacing whose staff has the
                                    rastral&apos;s height (9.2 mm to 3.9 mm)
An option&apos;s value may also follow an equals sign (--copies=3).

SETTINGS.kvs2, a settings file of the windows (parameters, texts, images), is
loaded before the sheet options are applied. A file that does not load
completely stops the run with its messages: nothing is written or printed.

An export says nothing when it succeeds; after the windows&apos; message
&quot;%2&quot; a line starting &quot;pernoa:&quot; names the cause.

Exit status: 0 when done, 1 after an error message, 2 for a usage error.
</translation>
    </message>
    <message>
        <source>--stack takes rows CLEF[:LINES[:SPACING]] separated by commas, not &quot;%1&quot;</source>
        <translation>--stack takes rows CLEF[:LINES[:SPACING]] separated by commas, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--stack: the clef is one of %1, not &quot;%2&quot;</source>
        <translation>--stack: the clef is one of %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--rastral takes a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--rastral takes a whole number from %1 to %2, not &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>「%1」の読み込み</source>
        <translation>load &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1の変更</source>
        <translation>change of %1</translation>
    </message>
    <message>
        <source>%1の選択</source>
        <translation>choice of %1</translation>
    </message>
    <message>
        <source>選択の解除</source>
        <translation>clearing a choice</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>ペルノア</source>
        <translation>Pernoa</translation>
    </message>
    <message>
        <source>エラーメッセージ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>エラーが発生しました</source>
        <translation>An error occurred</translation>
    </message>
    <message>
        <source>%1が空欄です。</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1に数値以外が入ってます</source>
        <translation>%1 holds something that is not a number</translation>
    </message>
    <message>
        <source>%1が長すぎます。%2文字以内で入力してください。</source>
        <translation>%1 is too long. Please enter %2 characters or fewer.</translation>
    </message>
    <message>
        <source>そんな値、入力していじめちゃいや～ん♪</source>
        <translation>Don&apos;t tease me with values like that~ ♪</translation>
    </message>
    <message>
        <source>あなたＳＥでしょ、いじわるね</source>
        <translation>You&apos;re a software engineer, aren&apos;t you? So mean!</translation>
    </message>
    <message>
        <source>「印刷枚数」は整数にしてください。</source>
        <translation>Please make &quot;Copies&quot; a whole number.</translation>
    </message>
    <message>
        <source>プリンタへ印刷の要求をしました。<byte value="xd"/>
印刷されるまでしばらくお待ちください</source>
        <translation>The page has been sent to the printer.<byte value="xd"/>
Please wait a moment for it to print</translation>
    </message>
    <message>
        <source>印刷を中止しました。</source>
        <translation>Printing was canceled.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>五線が重なっています</source>
        <translation>The staves overlap</translation>
    </message>
    <message>
        <source>五線が用紙からはみ出しています</source>
        <translation>The staves run off the paper</translation>
    </message>
    <message>
        <source>五線が印刷できない範囲にあります</source>
        <translation>The staves reach where the printer cannot print</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>   </translation>
    </message>
    <message>
        <source>プリンタの誤差測定用紙</source>
        <translation>Printer offset calibration sheet</translation>
    </message>
    <message>
        <source>外側の枠は、用紙の各辺から 10mm 内側に印刷されるはずです。
用紙の左端から左の枠線まで、上端から上の枠線までを測り、
それぞれ 10mm を引いた値を「プリンタの誤差設定」の
「左」と「上」に入力してください（単位 mm）。
枠が右や下にずれていれば正の値、左や上なら負の値です。</source>
        <translation>The outer frame should be printed 10 mm inside each edge of the paper.
Measure from the paper&apos;s left edge to the left frame line and from its
top edge to the top frame line, subtract 10 mm from each and enter
the results as &quot;Left&quot; and &quot;Top&quot; under &quot;Printer offset&quot; (in mm).
A frame shifted right or down gives a positive value,
left or up a negative one.</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>no printer</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>the page would hold %1 lines</source>
        <translation>the page would hold %1 lines</translation>
    </message>
    <message>
        <source>the page would hold %1 blocks</source>
        <translation>the page would hold %1 blocks</translation>
    </message>
    <message>
        <source>the block count rounds to 0</source>
        <translation>the block count rounds to 0</translation>
    </message>
    <message>
        <source>type mismatch</source>
        <translation>type mismatch</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>overflow (16-bit)</source>
        <translation>overflow (16-bit)</translation>
    </message>
    <message>
        <source>overflow (32-bit)</source>
        <translation>overflow (32-bit)</translation>
    </message>
    <message>
        <source>overflow (single)</source>
        <translation>overflow (single)</translation>
    </message>
    <message>
        <source>overflow (0 / 0)</source>
        <translation>overflow (0 / 0)</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>division by zero</translation>
    </message>
    <message>
        <source>上マージン</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>下マージン</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>左マージン</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>右マージン</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>五線の色の濃さ</source>
        <translation>Line darkness</translation>
    </message>
    <message>
        <source>横長</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>大譜表の数</source>
        <translation>Grand staves</translation>
    </message>
    <message>
        <source>大譜表の間隔</source>
        <translation>Grand-staff gap</translation>
    </message>
    <message>
        <source>線の幅</source>
        <translation>Line weight</translation>
    </message>
    <message>
        <source>五線の段数</source>
        <translation>Staves</translation>
    </message>
    <message>
        <source>線の間隔</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>五線間隔 ・参考値</source>
        <translation>Staff spacing (for reference)</translation>
    </message>
    <message>
        <source>線の本数</source>
        <translation>Lines per staff</translation>
    </message>
    <message>
        <source>２本</source>
        <translation>2 lines</translation>
    </message>
    <message>
        <source>３本</source>
        <translation>3 lines</translation>
    </message>
    <message>
        <source>４本-４弦楽器のタブ譜</source>
        <translation>4 lines - 4-string tablature</translation>
    </message>
    <message>
        <source>５本-五線譜</source>
        <translation>5 lines - staff</translation>
    </message>
    <message>
        <source>６本-ギターのタブ譜</source>
        <translation>6 lines - guitar tablature</translation>
    </message>
    <message>
        <source>印刷枚数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>段</source>
        <translation>per grand staff</translation>
    </message>
    <message>
        <source>枚</source>
        <translation>sheets</translation>
    </message>
    <message>
        <source>細め</source>
        <translation>Thin</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>太め</source>
        <translation>Thick</translation>
    </message>
    <message>
        <source>線同士の幅</source>
        <translation>Space between the lines</translation>
    </message>
    <message>
        <source>プリンタの誤差・左</source>
        <translation>Printer offset, left</translation>
    </message>
    <message>
        <source>プリンタの誤差・上</source>
        <translation>Printer offset, top</translation>
    </message>
    <message>
        <source>段</source>
        <comment>the unit of the grand staves&apos; count</comment>
        <translation>per page</translation>
    </message>
    <message>
        <source>「%1」は%2から%3までの数値にしてください。</source>
        <translation>Please make &quot;%1&quot; a number from %2 to %3.</translation>
    </message>
    <message>
        <source>枠より先に、横と縦の %1mm の目盛りの長さを測ってください。
今の倍率（%）× %1 ÷ 測った長さ（mm）を
「プリンタの倍率補正」の「横」と「縦」に入力します（単位 %）。
倍率を直したら、この用紙を印刷し直してから枠を測ってください。</source>
        <translation>Before the frame, measure the length of the %1 mm rulers across and down.
Enter the current scale (%) × %1 ÷ the measured length (mm)
as &quot;Across&quot; and &quot;Down&quot; under &quot;Printer scale correction&quot; (in %).
Once the scale is corrected, print this sheet again and then measure the frame.</translation>
    </message>
    <message>
        <source>横</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>レター</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>リーガル</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>タブロイド</source>
        <translation>Tabloid</translation>
    </message>
    <message>
        <source>任意</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>プリンタの倍率・横</source>
        <translation>Printer scale, across</translation>
    </message>
    <message>
        <source>プリンタの倍率・縦</source>
        <translation>Printer scale, down</translation>
    </message>
    <message>
        <source>用紙の幅</source>
        <translation>Paper width</translation>
    </message>
    <message>
        <source>用紙の高さ</source>
        <translation>Paper height</translation>
    </message>
    <message>
        <source>the page would hold %1 bar lines</source>
        <translation>the page would hold %1 bar lines</translation>
    </message>
    <message>
        <source>譜表の段は%1段までにしてください。</source>
        <translation>Please stack at most %1 staves.</translation>
    </message>
    <message>
        <source>譜表の%1段目の線の数は%2本から%3本までにしてください。</source>
        <translation>Please give staff %1 of the stack from %2 to %3 lines.</translation>
    </message>
    <message>
        <source>譜表の%1段目の線の数</source>
        <translation>Lines of staff %1</translation>
    </message>
    <message>
        <source>譜表の%1段目の線同士の幅</source>
        <translation>Line spacing of staff %1</translation>
    </message>
    <message>
        <source>譜表の%1段目の線同士の幅が正しくありません。</source>
        <translation>The line spacing of staff %1 is not valid.</translation>
    </message>
    <message>
        <source>譜表の%1段目の音部記号「%2」は使えません。</source>
        <translation>The clef &quot;%2&quot; of staff %1 cannot be used.</translation>
    </message>
    <message>
        <source>譜表の%1段目の音部記号が正しくありません。</source>
        <translation>The clef of staff %1 is not valid.</translation>
    </message>
    <message>
        <source>譜表の並び「%1」は読み取れません。</source>
        <translation>The staff stack &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>大譜表のくくりが正しくありません。</source>
        <translation>The brace or bracket of the grand staves is not valid.</translation>
    </message>
    <message>
        <source>小節線の引き方が正しくありません。</source>
        <translation>The way the bar lines are drawn is not valid.</translation>
    </message>
    <message>
        <source>「1段の小節数」は0以上の整数にしてください。</source>
        <translation>Please make &quot;Measures per line&quot; a whole number, 0 or more.</translation>
    </message>
    <message>
        <source>小節の数が多すぎます。1段に入るのは%1小節までです。</source>
        <translation>Too many measures: a line holds at most %1.</translation>
    </message>
    <message>
        <source>高さ %1mm</source>
        <translation>Height %1 mm</translation>
    </message>
    <message>
        <source>楽譜フォント（lilypond-fonts）が見つからないため音部記号と括弧を省きました</source>
        <translation>The music font (lilypond-fonts) was not found, so the clefs, braces and brackets were left out</translation>
    </message>
    <message>
        <source>譜表の並び（上から）</source>
        <translation>Staff stack (from the top)</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>ブレース</source>
        <translation>Brace</translation>
    </message>
    <message>
        <source>ブラケット</source>
        <translation>Bracket</translation>
    </message>
    <message>
        <source>1段の小節数</source>
        <translation>Measures per line</translation>
    </message>
    <message>
        <source>小節</source>
        <translation>measures</translation>
    </message>
    <message>
        <source>大譜表を貫く</source>
        <translation>Through the grand staff</translation>
    </message>
    <message>
        <source>譜表ごと</source>
        <translation>Each staff alone</translation>
    </message>
    <message>
        <source>標準（音部記号なし）</source>
        <translation>Plain (no clefs)</translation>
    </message>
    <message>
        <source>ピアノ</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>ギター（TAB譜付き）</source>
        <translation>Guitar (with tablature)</translation>
    </message>
    <message>
        <source>合唱（SATB）</source>
        <translation>Choir (SATB)</translation>
    </message>
    <message>
        <source>打楽器（1線）</source>
        <translation>Percussion (1 line)</translation>
    </message>
    <message>
        <source>ト音記号</source>
        <translation>Treble clef</translation>
    </message>
    <message>
        <source>ヘ音記号</source>
        <translation>Bass clef</translation>
    </message>
    <message>
        <source>アルト記号</source>
        <translation>Alto clef</translation>
    </message>
    <message>
        <source>テノール記号</source>
        <translation>Tenor clef</translation>
    </message>
    <message>
        <source>ト音記号（8下）</source>
        <translation>Treble clef (octave lower)</translation>
    </message>
    <message>
        <source>打楽器記号</source>
        <translation>Percussion clef</translation>
    </message>
    <message>
        <source>TAB</source>
        <translation>TAB</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>設定ファイルが開けません</source>
        <translation>Cannot open the settings file</translation>
    </message>
    <message>
        <source>五線の設定が読み込めませんでした。</source>
        <translation>The staff settings could not be read.</translation>
    </message>
    <message>
        <source>テキストの設定が読み込めませんでした。</source>
        <translation>The text settings could not be read.</translation>
    </message>
    <message>
        <source>画像の設定が読み込めませんでした。</source>
        <translation>The image settings could not be read.</translation>
    </message>
    <message>
        <source>「%1」の値「%2」は読み込めません。</source>
        <translation>The value &quot;%2&quot; of &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」の「文字の大きさ」の値「%3」は読み込めません。</source>
        <translation>The font size &quot;%3&quot; of text %1 (&quot;%2&quot;) cannot be read.</translation>
    </message>
    <message>
        <source>ペルノアファイルに定義された画像ファイルが指定したパスに存在しません。</source>
        <translation>An image file named in the Pernoa file is not where its path says.</translation>
    </message>
    <message>
        <source>初期化に失敗しました。</source>
        <translation>Initialization failed.</translation>
    </message>
    <message>
        <source>設定ファイルの保存に失敗しました。</source>
        <translation>The settings file could not be saved.</translation>
    </message>
    <message>
        <source>この設定は完全ではないため保存できません。</source>
        <translation>These settings are incomplete, so they cannot be saved.</translation>
    </message>
    <message>
        <source>この設定はペルノアファイルに正しく書けないため保存できません。</source>
        <translation>These settings cannot be written correctly to a Pernoa file, so they cannot be saved.</translation>
    </message>
    <message>
        <source>該当の値を修正してから保存してください。</source>
        <translation>Please correct the value, then save again.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」の文字列に、ペルノアファイルに書けない文字が含まれています。</source>
        <translation>The words of text %1 (&quot;%2&quot;) contain characters a Pernoa file cannot hold.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」の文字列に、「\n」の2文字は改行として読み込まれるため保存できません。</source>
        <translation>The words of text %1 (&quot;%2&quot;) contain the two characters &quot;\n&quot;, which would be read back as a line break, so they cannot be saved.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」の文字列に、見出しと同じ行が含まれています。</source>
        <translation>The words of text %1 (&quot;%2&quot;) contain a line that reads as a section heading of the file.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」のフォント名に、ペルノアファイルに書けない文字が含まれています。</source>
        <translation>The font name of text %1 (&quot;%2&quot;) contains characters a Pernoa file cannot hold.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」のフォント名に、見出しと同じ行が含まれています。</source>
        <translation>The font name of text %1 (&quot;%2&quot;) contains a line that reads as a section heading of the file.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」の色に、ペルノアファイルに書けない文字が含まれています。</source>
        <translation>The color of text %1 (&quot;%2&quot;) contains characters a Pernoa file cannot hold.</translation>
    </message>
    <message>
        <source>%1番目の文字「%2」の色に、見出しと同じ行が含まれています。</source>
        <translation>The color of text %1 (&quot;%2&quot;) contains a line that reads as a section heading of the file.</translation>
    </message>
    <message>
        <source>%1番目の画像のパスに、ペルノアファイルに書けない文字が含まれています。</source>
        <translation>The path of image %1 contains characters a Pernoa file cannot hold.</translation>
    </message>
    <message>
        <source>%1番目の画像のパスに、見出しと同じ行が含まれています。</source>
        <translation>The path of image %1 contains a line that reads as a section heading of the file.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>cannot write the settings: %1</source>
        <translation>cannot write the settings: %1</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>the code page 932 converter is missing</source>
        <translation>the code page 932 converter is missing</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>the device is not open for this</source>
        <translation>the device is not open for this</translation>
    </message>
    <message>
        <source>a number that is not finite cannot be written</source>
        <translation>a number that is not finite cannot be written</translation>
    </message>
    <message>
        <source>用紙の設定が読み込めませんでした。</source>
        <translation>The paper settings could not be read.</translation>
    </message>
    <message>
        <source>行「%1」は読み込めません。</source>
        <translation>The line &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>楽譜の設定が読み込めませんでした。</source>
        <translation>The music settings could not be read.</translation>
    </message>
</context>
<context>
    <name>output</name>
    <message>
        <source>line: coordinate is not a finite number</source>
        <translation>line: coordinate is not a finite number</translation>
    </message>
    <message>
        <source>text: coordinate is not a finite number</source>
        <translation>text: coordinate is not a finite number</translation>
    </message>
    <message>
        <source>picture: coordinate is not a finite number</source>
        <translation>picture: coordinate is not a finite number</translation>
    </message>
    <message>
        <source>line: coordinate %1 is beyond what the document can hold</source>
        <translation>line: coordinate %1 is beyond what the document can hold</translation>
    </message>
    <message>
        <source>text: coordinate %1 is beyond what the document can hold</source>
        <translation>text: coordinate %1 is beyond what the document can hold</translation>
    </message>
    <message>
        <source>picture: coordinate %1 is beyond what the document can hold</source>
        <translation>picture: coordinate %1 is beyond what the document can hold</translation>
    </message>
    <message>
        <source>no printer is installed</source>
        <translation>no printer is installed</translation>
    </message>
    <message>
        <source>no print scheduler is running</source>
        <translation>no print scheduler is running</translation>
    </message>
    <message>
        <source>printer %1 is not installed</source>
        <translation>printer %1 is not installed</translation>
    </message>
    <message>
        <source>printer %1 has no %2 paper</source>
        <translation>printer %1 has no %2 paper</translation>
    </message>
    <message>
        <source>the printing system&apos;s library (libcups.so.2) cannot be loaded</source>
        <translation>the printing system&apos;s library (libcups.so.2) cannot be loaded</translation>
    </message>
    <message>
        <source>printer %1 is not known to the printing system: %2</source>
        <translation>printer %1 is not known to the printing system: %2</translation>
    </message>
    <message>
        <source>the printing system refused the job: %1</source>
        <translation>the printing system refused the job: %1</translation>
    </message>
    <message>
        <source>the printer failed</source>
        <translation>the printer failed</translation>
    </message>
    <message>
        <source>cannot create the spool file: %1</source>
        <translation>cannot create the spool file: %1</translation>
    </message>
    <message>
        <source>cannot write the spool file: %1</source>
        <translation>cannot write the spool file: %1</translation>
    </message>
    <message>
        <source>the page layout was refused</source>
        <translation>the page layout was refused</translation>
    </message>
    <message>
        <source>cannot start drawing the document</source>
        <translation>cannot start drawing the document</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>cannot start a new page</translation>
    </message>
    <message>
        <source>cannot write the document: %1</source>
        <translation>cannot write the document: %1</translation>
    </message>
    <message>
        <source>cannot finish the document</source>
        <translation>cannot finish the document</translation>
    </message>
    <message>
        <source>paper size %1 is not supported</source>
        <translation>paper size %1 is not supported</translation>
    </message>
    <message>
        <source>orientation %1 is not supported</source>
        <translation>orientation %1 is not supported</translation>
    </message>
    <message>
        <source>line width %1 is not supported</source>
        <translation>line width %1 is not supported</translation>
    </message>
    <message>
        <source>font size %1 is not supported</source>
        <translation>font size %1 is not supported</translation>
    </message>
    <message>
        <source>scale correction %1 x %2 is not supported</source>
        <translation>scale correction %1 x %2 is not supported</translation>
    </message>
    <message>
        <source>an SVG file holds one page</source>
        <translation>an SVG file holds one page</translation>
    </message>
    <message>
        <source>a PNG file holds one page</source>
        <translation>a PNG file holds one page</translation>
    </message>
    <message>
        <source>cannot start drawing the SVG file</source>
        <translation>cannot start drawing the SVG file</translation>
    </message>
    <message>
        <source>a resolution of %1 dpi is not supported</source>
        <translation>a resolution of %1 dpi is not supported</translation>
    </message>
    <message>
        <source>a PNG of %1 x %2 pixels would take %3 MB of memory, more than the %4 MB allowed: choose a lower resolution</source>
        <translation>a PNG of %1 x %2 pixels would take %3 MB of memory, more than the %4 MB allowed: choose a lower resolution</translation>
    </message>
    <message>
        <source>not enough memory for a PNG of %1 x %2 pixels</source>
        <translation>not enough memory for a PNG of %1 x %2 pixels</translation>
    </message>
    <message>
        <source>not enough memory for a PNG of %1 x %2 pixels in colour</source>
        <translation>not enough memory for a PNG of %1 x %2 pixels in colour</translation>
    </message>
    <message>
        <source>cannot start drawing the PNG picture</source>
        <translation>cannot start drawing the PNG picture</translation>
    </message>
    <message>
        <source>cannot go on drawing the PNG picture</source>
        <translation>cannot go on drawing the PNG picture</translation>
    </message>
    <message>
        <source>cannot compress the picture</source>
        <translation>cannot compress the picture</translation>
    </message>
    <message>
        <source>rectangle: coordinate is not a finite number</source>
        <translation>rectangle: coordinate is not a finite number</translation>
    </message>
    <message>
        <source>glyphs: coordinate is not a finite number</source>
        <translation>glyphs: coordinate is not a finite number</translation>
    </message>
    <message>
        <source>rectangle: coordinate %1 is beyond what the document can hold</source>
        <translation>rectangle: coordinate %1 is beyond what the document can hold</translation>
    </message>
    <message>
        <source>glyphs: coordinate %1 is beyond what the document can hold</source>
        <translation>glyphs: coordinate %1 is beyond what the document can hold</translation>
    </message>
    <message>
        <source>glyphs: no usable font</source>
        <translation>glyphs: no usable font</translation>
    </message>
    <message>
        <source>line width ratio %1 is not supported</source>
        <translation>line width ratio %1 is not supported</translation>
    </message>
</context>
<context>
    <name>overlay</name>
    <message>
        <source>これ以上文字を挿入できません。</source>
        <translation>No more texts can be inserted.</translation>
    </message>
    <message>
        <source>これ以上画像を挿入できません。</source>
        <translation>No more images can be inserted.</translation>
    </message>
    <message>
        <source>ひとつのページに置ける文字は32767個までです。</source>
        <translation>A page holds at most 32767 texts.</translation>
    </message>
    <message>
        <source>ひとつのページに置ける画像は32767個までです。</source>
        <translation>A page holds at most 32767 images.</translation>
    </message>
    <message>
        <source>画像の取得に失敗しました。</source>
        <translation>The image could not be read.</translation>
    </message>
    <message>
        <source>この画像の情報を削除します。</source>
        <translation>This image will be removed from the page.</translation>
    </message>
    <message>
        <source>文字の挿入</source>
        <translation>insert text</translation>
    </message>
    <message>
        <source>画像の挿入</source>
        <translation>insert image</translation>
    </message>
    <message>
        <source>文字の編集</source>
        <translation>edit text</translation>
    </message>
    <message>
        <source>画像の編集</source>
        <translation>edit image</translation>
    </message>
    <message>
        <source>文字の移動</source>
        <translation>move text</translation>
    </message>
    <message>
        <source>画像の移動</source>
        <translation>move image</translation>
    </message>
    <message>
        <source>文字の削除</source>
        <translation>delete text</translation>
    </message>
    <message>
        <source>画像の削除</source>
        <translation>delete image</translation>
    </message>
</context>
<context>
    <name>preview</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ぷれびゅ～♪</source>
        <translation>Preview~ ♪</translation>
    </message>
    <message>
        <source>右クリックで文字と画像が挿入できます。</source>
        <translation>Right-click to insert texts and images.</translation>
    </message>
    <message>
        <source>右クリックで、文字・画像の挿入が出来ます。&#x3000;&#x3000;&#x3000;現存の文字・画像を右クリックで編集が出来ます。テキスト、画像の位置は、ドラッグすることにより、位置を調整できます。</source>
        <translation>Right-click to insert a text or an image.   Right-click a text or image already there to edit it. Drag a text or image to move it where you want it.</translation>
    </message>
    <message>
        <source>右クリックでこの文字を編集・削除できます。</source>
        <translation>Right-click to edit or delete this text.</translation>
    </message>
    <message>
        <source>右クリックでこの画像を編集・削除できます。</source>
        <translation>Right-click to edit or delete this image.</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>この位置に文字を挿入</source>
        <translation>Insert Text Here</translation>
    </message>
    <message>
        <source>この位置に画像を挿入</source>
        <translation>Insert Image Here</translation>
    </message>
    <message>
        <source>文字編集</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>この文字を編集</source>
        <translation>Edit This Text</translation>
    </message>
    <message>
        <source>この文字を削除</source>
        <translation>Delete This Text</translation>
    </message>
    <message>
        <source>画像編集</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>この画像を編集</source>
        <translation>Edit This Image</translation>
    </message>
    <message>
        <source>この画像を削除</source>
        <translation>Delete This Image</translation>
    </message>
    <message>
        <source>本当に削除しますか？</source>
        <translation>Do you really want to delete it?</translation>
    </message>
    <message>
        <source>削除確認</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>やめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ペルノア－テキストの設定</source>
        <translation>Pernoa - Text</translation>
    </message>
    <message>
        <source>表示するテキスト(改行できます）</source>
        <translation>Text to show (line breaks allowed)</translation>
    </message>
    <message>
        <source>テキストの     フォント設定</source>
        <translation>Font of the text...</translation>
    </message>
    <message>
        <source>文字を入力してください</source>
        <translation>Please enter some text</translation>
    </message>
    <message>
        <source>ペルノア－画像の設定</source>
        <translation>Pernoa - Image</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>画像の場所</source>
        <translation>Image file</translation>
    </message>
    <message>
        <source>もとの大きさの</source>
        <translation>Scaled to</translation>
    </message>
    <message>
        <source>%</source>
        <translation>% of the original size</translation>
    </message>
    <message>
        <source>画像の倍率</source>
        <translation>Image scale</translation>
    </message>
    <message>
        <source>画像の倍率は32767以下の数値にしてください</source>
        <translation>Please make the image scale a number of 32767 or less</translation>
    </message>
    <message>
        <source>あなたっていじわるね</source>
        <translation>You&apos;re so mean!</translation>
    </message>
    <message>
        <source>画像の指定をしてください</source>
        <translation>Please choose an image</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>太字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下線</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>色...</source>
        <translation>Color...</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>AaBbYyZz あぁアァ亜宇</source>
        <translation>AaBbYyZz 0123</translation>
    </message>
    <message>
        <source>スタイルと文字飾り</source>
        <translation>Style and effects</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>Font name</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>サンプル</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>画像ファイル(*.bmp) (*.bmp *.BMP)</source>
        <translation>Image file (*.bmp) (*.bmp *.BMP)</translation>
    </message>
    <message>
        <source>画像ファイル(*.gif) (*.gif *.GIF)</source>
        <translation>Image file (*.gif) (*.gif *.GIF)</translation>
    </message>
    <message>
        <source>画像ファイル(*.jpg) (*.jpg *.JPG *.jpeg *.JPEG)</source>
        <translation>Image file (*.jpg) (*.jpg *.JPG *.jpeg *.JPEG)</translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>サイズは%1以上%2以下の数値にしてください</source>
        <translation>Please make the size a number from %1 to %2</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>%1を元に戻す(&amp;U)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>やり直す(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>%1をやり直す(&amp;R)</source>
        <translation>&amp;Redo %1</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>ペルノアVer%1</source>
        <translation>Pernoa %1</translation>
    </message>
    <message>
        <source>五線譜全体の設定</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>五線譜自身の設定</source>
        <translation>Staves</translation>
    </message>
    <message>
        <source>プリンタの誤差設定</source>
        <translation>Printer offset</translation>
    </message>
    <message>
        <source>紙のサイズ</source>
        <translation>Paper size</translation>
    </message>
    <message>
        <source>表示サイズ</source>
        <translation>Display size</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>使用するプリンタの選択</source>
        <translation>Choose printer</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>File</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>PDFに書き出す…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>誤差測定用紙を印刷</source>
        <translation>Print Calibration Sheet</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Pernoa</translation>
    </message>
    <message>
        <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Ｖｅｒ&#x3000;%1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>ペルノアは、段数や線の間隔、太さ、濃さを決めて白紙の五線譜を印刷するソフトです。
このソフトの最新版は以下のＵＲＬにあります。クリックするとジャンプします。ご意見・バグ報告も以下のＵＲＬのソフトサポート掲示板まで</source>
        <translation>Pernoa prints blank staff paper with the staves, line spacing, weight and darkness you choose.
The latest version is at the address below: click it to go there. Comments and bug reports are welcome on the support board at the same address</translation>
    </message>
    <message>
        <source>警告:バグがあったらごめんね。</source>
        <translation>Warning: sorry if you find a bug.</translation>
    </message>
    <message>
        <source>ペルノアのへるぷ</source>
        <translation>Pernoa&apos;s little help</translation>
    </message>
    <message>
        <source>ペルノア&#x3000;Ver2.0</source>
        <translation>Pernoa Ver2.0</translation>
    </message>
    <message>
        <source>のヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ヘルプエディタ、持ってないんです。これで勘弁してください。</source>
        <translation>I don&apos;t own a help editor. Please make do with this.</translation>
    </message>
    <message>
        <source>コンピュータ譜面は綺麗でいいけど、魂が入ってない為か何か味気なく、そして見にくいですね。そんなことはいいとして、このソフトは、市販の五線譜では段数が多すぎる、少なすぎるけどコンピュータ譜面は使いたくない、試し書き（写譜など）したいというときなどにご使用ください。</source>
        <translation>Scores set by computer are neat, but maybe because there is no soul in them they feel somehow bland, and they are hard to read. Be that as it may: use this program when the staff paper in the shops has too many or too few staves but you would rather not set the music by computer, or when you want to sketch or copy out music by hand.</translation>
    </message>
    <message>
        <source>このソフトの使い方は見たままです。ということで・・・</source>
        <translation>How to use it is just what you see. And so...</translation>
    </message>
    <message>
        <source>◎使用されている語句の説明</source>
        <translation>◎ The terms used</translation>
    </message>
    <message>
        <source>・単位はｍｍで、小数点以下も設定可能です。</source>
        <translation>• Lengths are in mm, and may have decimals.</translation>
    </message>
    <message>
        <source>・五線の間隔は自動で計算してくれます。</source>
        <translation>• The staff spacing is worked out for you.</translation>
    </message>
    <message>
        <source>・プリンタによっては下方向に６ｍｍほどずれます。</source>
        <translation>• Some printers shift the page about 6 mm down.</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ペルノア－使用するプリンターの設定</source>
        <translation>Pernoa - Printer</translation>
    </message>
    <message>
        <source>印刷に使用するプリンターを選択してください</source>
        <translation>Choose the printer to print on</translation>
    </message>
    <message>
        <source>プリンターがインストールされていません</source>
        <translation>No printer is installed</translation>
    </message>
    <message>
        <source>印刷スケジューラー（CUPS）が起動していません</source>
        <translation>The print scheduler (CUPS) is not running</translation>
    </message>
    <message>
        <source>出力中… %1 / %2 枚</source>
        <translation>Producing… sheet %1 of %2</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ペルノアファイル(*.kvs2)</source>
        <translation>Pernoa file (*.kvs2)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDFファイルに書き出しました。<byte value="xd"/>
%1</source>
        <translation>The PDF file has been written.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>PDFファイルの書き出しを中止しました。</source>
        <translation>Writing the PDF file was canceled.</translation>
    </message>
    <message>
        <source>関連づけされた設定ファイルの読み込みに失敗しました。</source>
        <translation>The settings file given at start could not be loaded.</translation>
    </message>
    <message>
        <source>pernoa: no display to open the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).
To make the page as a PDF file without windows:
  pernoa --export-pdf page.pdf [SETTINGS.kvs2]
See &apos;pernoa --help&apos; for everything the command line does.
</source>
        <translation>pernoa: no display to open the windows on (neither DISPLAY nor WAYLAND_DISPLAY is set).
To make the page as a PDF file without windows:
  pernoa --export-pdf page.pdf [SETTINGS.kvs2]
See &apos;pernoa --help&apos; for everything the command line does.
</translation>
    </message>
    <message>
        <source>変更を保存しますか？</source>
        <translation>Do you want to save your changes?</translation>
    </message>
    <message>
        <source>「%1」への変更を保存しますか？</source>
        <translation>Do you want to save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Language / 言語</source>
        <translation>Language / 言語</translation>
    </message>
    <message>
        <source>デスクトップの言語</source>
        <translation>Desktop language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>次回の起動から、選んだ言語で表示します。</source>
        <translation>Pernoa speaks the chosen language from its next start on.</translation>
    </message>
    <message>
        <source>言語の設定を保存できませんでした。</source>
        <translation>The language setting could not be saved.</translation>
    </message>
    <message>
        <source>上マージン</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>下マージン</source>
        <translation>Bottom margin</translation>
    </message>
    <message>
        <source>左マージン</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>右マージン</source>
        <translation>Right margin</translation>
    </message>
    <message>
        <source>五線の間隔</source>
        <translation>Staff spacing</translation>
    </message>
    <message>
        <source>大譜表の間隔</source>
        <translation>Grand-staff gap</translation>
    </message>
    <message>
        <source>線の間隔</source>
        <translation>Line
spacing</translation>
    </message>
    <message>
        <source>線の幅</source>
        <translation>Line
weight</translation>
    </message>
    <message>
        <source>プリンタの倍率補正</source>
        <translation>Printer scale correction</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>SVGに書き出す…</source>
        <translation>Export SVG…</translation>
    </message>
    <message>
        <source>PNGに書き出す…</source>
        <translation>Export PNG…</translation>
    </message>
    <message>
        <source>SVG (*.svg)</source>
        <translation>SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>SVGファイルに書き出しました。<byte value="xd"/>
%1</source>
        <translation>The SVG file has been written.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>PNGファイルに書き出しました。<byte value="xd"/>
%1</source>
        <translation>The PNG file has been written.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>pernoa: warning: %1</source>
        <translation>pernoa: warning: %1</translation>
    </message>
    <message>
        <source>譜表の組み合わせ</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>ひな形</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>ひな形を選ぶ…</source>
        <translation>Choose a Preset…</translation>
    </message>
    <message>
        <source>音部記号</source>
        <translation>Clef</translation>
    </message>
    <message>
        <source>線の数</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>線同士の幅(mm)</source>
        <translation>Line spacing (mm)</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>1段目から順に繰り返します。段がなければ「線の本数」の譜表を並べます。線同士の幅が空欄の段は「線の間隔」に従います。</source>
        <translation>The stack repeats from its first staff down the page. With no staff in it, the staves have &quot;Lines per staff&quot;. A staff without its own line spacing takes &quot;Line spacing&quot;.</translation>
    </message>
    <message>
        <source>段を追加</source>
        <translation>Add Staff</translation>
    </message>
    <message>
        <source>段を削除</source>
        <translation>Remove Staff</translation>
    </message>
    <message>
        <source>大譜表をくくる記号</source>
        <translation>Brace or bracket</translation>
    </message>
    <message>
        <source>小節線</source>
        <translation>Bar lines</translation>
    </message>
    <message>
        <source>五線の大きさ（ラストラル）</source>
        <translation>Staff size (rastral)</translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation>Not set</translation>
    </message>
    <message>
        <source>%1番（%2mm）</source>
        <translation>No. %1 (%2 mm)</translation>
    </message>
</context>
</TS>
