<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>今日使用</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>%n日前に使用</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>%nか月未使用</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>1年以上未使用</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>クリーンアップ</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>「フルディスクアクセス」の設定を開く…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>Sorbeta %1 が公開されました</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>現在お使いのバージョンは %1 です。新しいバージョンはダウンロードページから入手してインストールしてください。</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>ダウンロードページを開く</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>あとで</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>最新バージョンです</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>Sorbeta %1 が最新バージョンです。</translation>
    </message>
    <message>
        <source>好</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>アップデートを確認できませんでした</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>アップデートサーバーに接続できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>ディスクをスキャン中…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>今すぐ容量を空ける</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>メモリを </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> 解放しました</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>ファイルキャッシュを消去しました。必要に応じてシステムが少しずつキャッシュし直します</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>ディスクがいっぱいになりそうです</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>空き容量が残り %1 しかありません。Sorbeta を開いてクリーンアップできるものを確認しましょう。</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>使っていないアプリをいくつか終了するか、Sorbeta でメモリを解放しましょう。</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>%1 を自動でクリーンアップしました</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>システムイメージ · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>エミュレータ · 最終変更 </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>Docker で使われていないイメージとコンテナ</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>いらなそうな
もの</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>Android のエミュレータと SDK、Docker、古いプロジェクトに潜む大きなファイル。</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>エミュレータ、仮想マシン、古いプロジェクトを調べています…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>開発ツールが残した大きなファイルはありません ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>ファイルはゴミ箱に移し、プロジェクトの依存関係はそのまま削除します（再インストールすれば元に戻ります）。</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>いらないかも
しれないもの</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>ダウンロード、ドキュメント、デスクトップ、ビデオ内の大きなファイル、長い間開いていないファイル、重複ファイル、古いインストーラー。</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>ファイルを調べています…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>明らかに不要な大きいファイルはありません ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>選んだファイルはゴミ箱に移されます。ゴミ箱から元に戻すこともできます。</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>最終使用 %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>最終使用日は不明</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · ランタイムは削除済み</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>使用中のデバイスあり</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>デバイス %n 台</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>最終変更 </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>最後に開いた日 </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · これを残します（最も古いもの）</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · %2 とまったく同じ</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>%1 がまだ開いています</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>次の項目をクリーンアップするには、先に関連アプリを終了する必要があります：
%1

終了する前に作業中の内容を保存してください。</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>終了してクリーンアップ</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>これらをスキップ</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>ディスク</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>システムに合わせる</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>pkexec を起動できません（先に pkexec パッケージをインストールしてください）</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>失敗しました：</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Linux コンピューター</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>不明なプロセッサー</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>アプリのデータ</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>アプリが保存しているデータと設定</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>キャッシュ</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>一時ファイルなので削除しても大丈夫</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>アプリの設定</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>サンドボックスコンテナ</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>サンドボックス内のすべてのデータ</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>ウインドウの状態</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>前回開いていたウインドウの位置</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>動作の記録</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>Web データ</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>Web キャッシュとログイン情報</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>ログイン項目</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>ログイン時に自動で起動するヘルパー</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>その他の残留ファイル</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>今</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>%n秒前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>%n分前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>%n時間前</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>昨日</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>%n日前</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>先週</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>%n週間前</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>先月</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>%nか月前</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>昨年</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>%n年前</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>中を見る</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>合計 %1</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>空き容量 %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>システム、アプリのデータ、その他の未分類ファイル %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
右上の丸をクリックで選択、ゼリーをクリックで中身を表示</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1 は合計 %2。横の小さなゼリーはクリーンアップでき、このかたまりは残りの %3 です
クリックして中身を見る</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · 残留ファイルを含めて %2
クリックして残したものを見る</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>中を見る ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>選択を解除</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>選択してあとでクリーンアップ</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>バージョン %1（%2）</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>現在 %1</translation>
    </message>
    <message>
        <source>≥ %1 G</source>
        <translation>≥ %1 G</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>拖到“完全磁盘访问”列表里</source>
        <translation>「フルディスクアクセス」のリストにドラッグ</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>ドラッグしてね</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>Sorbeta にカギをください</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>「フルディスクアクセス」を一度オンにすれば、システムがフォルダーごとに確認してくることはなくなります。
Sorbeta が読むのはファイルのサイズだけ。削除するのはあなたがチェックしたものだけです。</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>システム設定を開く</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>下のキャンディボタンを押す</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>Sorbeta のスイッチをオン</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>リストにない場合は
右のアイコンをドラッグ</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>終了してもう一度開く</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>システムに聞かれたらクリック
これで完了です</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>今はスキップ</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>スキップしても使えます。写真、音楽、ドキュメント、ダウンロード、チャットアプリのデータはひとまずスキャンしません。あとでいつでもオンにできます。</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>もう一度開く</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>スイッチがオンになるのを待っています… オンにすると自動で続きます</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>カギをもらいました！</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>まもなくスキャンを開始します</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>写真、ドキュメント、ダウンロードなどはまだ含まれていません</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>オンにする ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n 項目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>残り%n日</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>一時保管庫</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>過去7日間にクリーンアップしたものはここに保管され、期限が来ると自動で削除されます。すぐに容量を空けたいときは、今すぐ削除できます。</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>一時保管庫は空です 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>%n 項目を元に戻しました</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1。%2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>%n 項目は元の場所に新しいものがあるため、一時保管庫に残しています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n 項目は元に戻せなかったため、一時保管庫に残しています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n 項目は削除できなかったため、一時保管庫に残しています</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>%1 を解放しました 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>安全にクリーンアップ可能</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>安心して削除できるキャッシュは見つかりませんでした</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>確認してからクリーンアップ</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>確認が必要な項目はありません</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>もう少し考える</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>%1 を移動しました</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>%1 を解放しました</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>アプリが開いていたため、今回はスキップしました：%1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>今回は何もクリーンアップできませんでした。ファイルはすべて元の場所にあります</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>%n 項目はクリーンアップできず、元の場所に残っています</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>一時保管庫に7日間保管されるので、気が変わったら復元できます</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>ディスクが少し軽くなりました</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>結果をシェア</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>やったね</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>ゼリー</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>おすすめ</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>ほか %n 項目</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>リストに切り替えてすべて表示</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n 項目 · %1 を選択中</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>処理中…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>%n 項目をクリーンアップ · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>%n 項目、合計 %1 をクリーンアップしますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>%1 を解放しました</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>%n 項目は削除できませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>ゼリーをクリックで選択、右クリックでファイルマネージャーに表示</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>何もないか、表示する権限がありません</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>戻る（Esc）</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>「%1」を計測中…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>この期間に目立って大きくなったものはありません</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>Sorbeta はスキャンのたびに記録します。2日ほどたてば、こっそり大きくなっているものが分かります</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1日</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7日</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30日</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>この期間に
空いた容量</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>この期間に
増えた使用量</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>一度スキャンすると Sorbeta が1日1回記録するので、容量がどこに使われたのかが分かります。</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>%1 から記録しています。明日また見に来ると変化が分かります。</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>%1 と比べて</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>増加</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>減少</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>この期間に目立った変化はありません 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>使用済み容量</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>メモリ</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>メモリを解放</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>Sorbeta を開く</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>安全な %1 をクリーンアップ</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>ディスクをスキャン</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>スキャン中…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>自動クリーンアップ：ルール %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>自動クリーンアップはオフ</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>前回の自動クリーンアップ %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>開発</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>変化</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>Sorbeta はあなたのアカウントの権限でファイルを読み取ります。あなたが開けるドキュメント、ダウンロード、写真、チャットアプリのデータはすべて集計に含まれ、別途許可する必要はありません。</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>すべてのファイルを読み取れます</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>読み取れないフォルダーがあります</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>前回の確認：</translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>アップデートを自動で確認</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>新しいバージョンが出ると Sorbeta がお知らせし、ワンクリックでダウンロードページを開けます。</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>今すぐ確認</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>カラフルなゼリー風のパソコンクリーナー</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>ウインドウを閉じても Sorbeta はシステムトレイに残り、30分ごとにチェックします。自動でクリーンアップするのは、削除しても自動で作り直されるキャッシュだけ。関連するアプリが開いているときはスキップします。</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>このパソコンにはシステムトレイがないため、ウインドウを閉じると Sorbeta は終了し、30分ごとのチェックはウインドウが開いている間だけです。自動でクリーンアップするのは、削除しても自動で作り直されるキャッシュだけ。関連するアプリが開いているときはスキップします。</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>言語を変更すると、Sorbeta は自動的に一度開き直します。</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>表示言語</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>ゼリーの効果音</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>手動でクリーンアップしたものを7日間保管し、復元できるようにする</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>ログイン時に自動で起動</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>容量の変化を毎日自動で記録</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>空き容量が %1 G を下回ったら通知</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>通知はシステムの通知として表示されます。</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>メモリが不足したら通知</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>自動クリーンアップ</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>アクセス権</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>このアプリについて</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>このパソコンで空けた容量</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>Sorbeta で容量を空けよう</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>%n 項目を削除 · 空き容量 %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>クリーンアップ結果</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>保存して小紅書や Instagram に投稿したり、「共有…」でほかのアプリに送ったりできます。</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>画像を保存できませんでした</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>「%1」に保存しました</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>コピーしました。そのまま貼り付けられます</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>デフォルトのアプリで開く</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>共有…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>終了：</translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>メモリ使用量の多いアプリ</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>メモリを解放</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>メモリを解放しますか？</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>解放</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>やめる</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>稼働時間</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>プロセッサー</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>スワップ</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>解放中…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>メモリ使用量</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>メモリがかなり不足しています。使っていないアプリをいくつか閉じるとずっと楽になります 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>メモリが少し足りなくなってきました。右側でどれが多く使っているか見てみましょう</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>メモリには余裕があります。パソコンは快調です ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%nコア</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>負荷 %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>空き </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · 充電中</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · 電源に接続中</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>充放電 %n回</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>未使用</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>使用中 </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>解放できるキャッシュ：</translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>カーネルにファイルキャッシュを破棄させます。管理者パスワードが必要です（入力はシステムのダイアログで行い、Sorbeta からは見えません）。</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>その後数分間は、システムがキャッシュし直すまでファイルを開くのが少し遅くなります。</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>ゴミ箱に移動されます</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>終了する</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>%1 とチェックした残留ファイルをゴミ箱に移動しますか？</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>合計 %n 項目、%1。ゴミ箱から元に戻すこともできます。</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>アプリ本体</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>アプリケーション本体</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>設定・キャッシュ・データフォルダーに残したものは見つかりませんでした</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>フルディスクアクセスがないため、サンドボックスコンテナ内のデータは確認していません</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>移動中…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>アプリのサイズを計測中…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>サイズ順</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>使っていない順</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>アプリを検索</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>写真とメディア</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>ドキュメントとダウンロード</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>プロジェクトとコード</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode と iOS 開発</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>ローカル AI モデル</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>パッケージキャッシュ</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>チャット履歴</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>iPhone のバックアップとファームウェア</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>アプリキャッシュ</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>ビルドの中間生成物。次のビルドで自動的に作り直されます。Xcode が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>シミュレータキャッシュ</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>CoreSimulator のキャッシュと各シミュレータの一時ファイル。必要なときに作り直されます。</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>古いデバイスサポートファイル</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>接続したデバイスが残したシンボルファイル。システムのバージョンごとに最新の2つを残し、残りは削除します。古いデバイスをまた接続すると、再びコピーされます。</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>Xcode キャッシュ</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>Xcode 専用のキャッシュフォルダー。</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>ブラウザーキャッシュ</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Chrome、Chromium、Edge、Brave、Firefox の Web キャッシュ。Cookie、履歴、パスワードには触れません。ブラウザーが開いているときはスキップします。</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>npm キャッシュ</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>npm のダウンロードキャッシュ。パッケージのインストール時に再ダウンロードされます。</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>Yarn キャッシュ</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>Yarn のダウンロードキャッシュ。</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>Bun キャッシュ</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>Bun のインストールキャッシュ。</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>pip キャッシュ</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>Python パッケージのダウンロードキャッシュ。</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>Homebrew ダウンロードキャッシュ</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>ダウンロード済みのインストーラー。必要になれば brew が再ダウンロードします。API インデックスは残します。</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>CocoaPods キャッシュ</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>Pod のダウンロードキャッシュ。</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>SwiftPM キャッシュ</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>Swift パッケージのダウンロードキャッシュ。</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>Go ビルドキャッシュ</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>go build のキャッシュ。次のビルドで作り直されます。</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>Gradle 一時ファイル</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>Gradle のデーモンログ、ビルドキャッシュ、通知。依存関係のリポジトリ自体には触れません。Gradle の実行中はスキップします。</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>その他の開発ツールキャッシュ</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android などのツールのキャッシュ。すべて自動で作り直されます。</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>ユーザーログ</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>アプリが書き出したログとクラッシュレポート。ふだん見返すことはまずありません。</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>iOS ファームウェアのインストーラー</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>iPhone や iPad のアップデート時にダウンロードされた .ipsw ファームウェア。インストールが済めば不要です。</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>ダウンロード未完了のファイル</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>ダウンロードフォルダー内の中断された .download / .crdownload / .part ファイルのうち、1日以上手つかずのもの。</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>WeChat キャッシュ</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>WeChat のサムネイルと Web キャッシュ。削除しても自動で作り直されます。チャット履歴、画像、ファイルには触れません。WeChat が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>LINE キャッシュ</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>LINE のキャッシュ。削除しても自動で作り直されます。トーク履歴とアルバムには触れません。LINE が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>QQ キャッシュ</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>QQ のキャッシュ。削除しても自動で作り直されます。チャット履歴とファイルには触れません。QQ が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>Discord キャッシュ</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>Discord の Web キャッシュと画像キャッシュ。削除しても自動で作り直されます。Discord が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>Slack キャッシュ</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>Slack の Web キャッシュと画像キャッシュ。削除しても自動で作り直されます。Slack が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>剪映 / CapCut キャッシュ</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>編集中に作られたプレビューと素材のキャッシュ。下書きをまた開くと作り直されます。下書きと書き出した動画には触れません。剪映または CapCut が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>古いプロジェクトの依存関係とビルド成果物</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>コードフォルダー内で7日間変更のないプロジェクトの node_modules、target、.build、Pods、.venv など。git で追跡されているものには触れません。削除後は依存関係の再インストールが必要です。</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>サードパーティ製アプリのキャッシュを消去</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>各アプリのキャッシュ。実行中のアプリ、システムコンポーネント、パスワードマネージャーのキャッシュはスキップします。削除後しばらくはアプリの動作が遅くなります。</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>pnpm のグローバルコンテンツストア。既存のプロジェクトはそのまま使えますが、次回のインストール時に再ダウンロードします。</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>パッケージ化されたアーカイブ。削除すると、これらのアーカイブから再エクスポートやアップロードはできなくなります。</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>iPhone / iPad のバックアップ</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>デバイスのローカルバックアップ。削除すると復元できません。</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>ゴミ箱を空にする</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>ゴミ箱の中身は完全に削除されます。</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>3か月以上前の WeChat の画像と動画</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>チャットで受け取ってから3か月以上たった画像、動画、ファイル。削除すると WeChat では期限切れと表示され、ほとんどは再ダウンロードできません。WeChat が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>Telegram でダウンロードしたメディア</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>Telegram で見た画像や動画のローカルコピー。クラウドに残っているものは再ダウンロードできますが、シークレットチャットのものは復元できません。Telegram が開いているときはスキップします。</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>ダウンロードフォルダーの古いインストーラー</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>ダウンロードフォルダー内で2週間以上手つかずの .deb と .rpm。ソフトウェアをインストールしたら、インストーラーはたいてい不要です。</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>シミュレータランタイム</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>システムのバージョンごとのシミュレータイメージで、8 G を超えることもよくあります。60日間使われておらず、使用中のデバイスがなく、最新版でもないものは最初からチェックされています。必要になったら Xcode から再ダウンロードしてください。</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>シミュレータデバイス</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>各シミュレータにインストールされたアプリとデータ。90日間開いていないものと、ランタイムが削除済みのものは最初からチェックされています。</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>Xcode アーカイブ</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>アプリごとにまとめ、各アプリの最新2つのアーカイブは最初から残します。削除したアーカイブは再エクスポートもアップロードもできません。</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>複数の Xcode</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>Xcode が複数インストールされています。最初はチェックされていません。使わないと確かめてからゴミ箱に移してください。</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>システムイメージとエミュレータ。90日間触れていないエミュレータは最初からチェックされています。イメージは必要なときに SDK Manager で再ダウンロードできます。</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker と仮想マシン</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>コンテナと仮想マシンのディスクファイル。ここではサイズを表示するだけです。Docker の実行中は、使われていないイメージとコンテナをワンクリックで削除できます。</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>長く放置しているプロジェクト</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>90日間変更のないプロジェクト。依存関係とビルド成果物（node_modules、target、Pods…）だけを削除し、コードや git で追跡されているものには触れません。</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>重複ファイル</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>内容がまったく同じファイル（1バイトずつ比較済み）。各グループで最も古い1つは最初から残します。</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>古いインストーラー</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>ダウンロードフォルダー内の30日以上前の .deb、.rpm、.zip、.iso。インストールが済めばたいてい不要です。</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>1年以上開いていない</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>100 M を超え、1年以上開いても変更してもいないファイル。最初はチェックされていないので、確認してから決めてください。</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>大きなファイル</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>500 M 以上のファイル。サイズ順に並びます。最初はチェックされていません。</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>システムとその他</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>選択項目をクリーンアップした後の空き容量
（現在 %1、一時保管庫 %2）</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>選択項目をクリーンアップした後の空き容量
（現在 %1）</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>とてもきれいです。クリーンアップするものはありません ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>スキャンの準備中…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>%1 をクリーンアップでき、そのうち %2 は安心して削除できます。</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>「%1」を再スキャン中…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>「%1」を調べています…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>「%1」をクリーンアップ中… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>クリーンアップ中です。少々お待ちください 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>%n 項目をクリーンアップ</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>クリーンアップするゼリーを選んでください</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>スキャンが終わるとクリーンアップできます</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>クリーンアップ中…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

まず一時保管庫に移され、7日以内なら復元できます。その後は自動的に削除されます。</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

ファイルはゴミ箱を経由せず、直接削除されます。</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>%1 / %2 を選択中</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>一時保管庫 %1 · 7日以内なら復元できます</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>ファイルキャッシュ</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>%1 をゴミ箱に移動できませんでした</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> をゴミ箱に移動しました · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>%n 項目は権限がないため移動できませんでした。ファイルマネージャーで手動でゴミ箱にドラッグしてください</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>ゴミ箱を空にすると容量が空きます。気が変わったらゴミ箱から戻せます</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>さきほどアンインストールした </translation>
    </message>
    <message>
        <source>？</source>
        <translation> を完全に削除しますか？</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>今回ゴミ箱に移した </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation> だけを削除します。ゴミ箱のほかのものには触れません。削除すると元に戻せません。</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>完全に削除</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>残留ファイル %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>アプリのサイズを計測中… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>長い間開いていないアプリが先頭に並びます。アンインストールするならこれらがおすすめです。</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>アプリをクリックすると、パソコンにどれだけのものを残しているかが分かります。アンインストールするとゴミ箱に移されるので、元に戻せます。</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>%n 個のアプリ
残留ファイルを含む</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 が実行中です。終了してからアンインストールしてください</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>%1 のバックグラウンドヘルパーがまだ実行中です。終了してからアンインストールしてください</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>ほか %n 個</numerusform>
        </translation>
    </message>
</context>
</TS>
