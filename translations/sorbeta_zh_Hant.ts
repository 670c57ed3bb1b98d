<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>沒用過</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>今天用過</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>%n 天前用過</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>%n 個月沒用了</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>一年多沒用了</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>檢查更新…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>打開「完整磁碟取用權限」設定…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>冰沙有新版本 %1 了</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>你現在用的是 %1。新版本請到下載頁面下載安裝。</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>打開下載頁面</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>以後再說</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>已經是最新版本</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>冰沙 %1 就是目前最新的版本。</translation>
    </message>
    <message>
        <source>好</source>
        <translation>好</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>無法檢查更新</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>連不上更新伺服器，請稍後再試。</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>正在掃描磁碟…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>現在騰出空間</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>騰出了 </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> 記憶體</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>檔案快取已清掉，系統之後會視需要慢慢重新快取</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>磁碟快滿了</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>只剩 %1 可用，打開冰沙看看有哪些可以清理。</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>記憶體很吃緊</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>關掉幾個沒在用的應用程式，或在冰沙裡釋放記憶體。</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>已自動清理 %1</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>系統映像 · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>模擬器 · 上次修改 </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>Docker 不再使用的映像和容器</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>看起來
用不到的</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>藏在 Android 模擬器與 SDK、Docker 和舊專案裡的大傢伙。</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>正在翻找模擬器、虛擬機器和舊專案…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>沒找到開發工具留下的大檔案 ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>檔案會移到垃圾桶，專案相依套件直接刪除（重新安裝即可恢復）。</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>可能
用不到的</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>下載、文件、桌面、影片裡的大檔案、很久沒打開的檔案、重複檔案和舊安裝檔。</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>正在翻找你的檔案…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>沒找到明顯用不到的大檔案 ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>選取的檔案會移到垃圾桶，在垃圾桶裡還能放回去。</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>上次使用 %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>上次使用日期不明</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · 執行環境已經不在了</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>有裝置在使用</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>%n 台裝置</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>上次修改 </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>上次開啟 </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · 保留這一份（最早）</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · 和 %2 一模一樣</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>%1 還開著</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>清理這幾項需要先結束它們：
%1

結束前記得儲存手邊的工作。</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>結束並清理</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>先不清理</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>略過這幾項</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>磁碟</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>無法啟動 pkexec（需要先安裝 pkexec 套件）</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>沒有成功：</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Linux 電腦</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>未知處理器</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>應用程式資料</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>它儲存的資料和設定</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>快取</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>暫存檔案，刪了也沒關係</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>它的設定</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>沙盒容器</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>它在沙盒裡的所有資料</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>視窗狀態</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>上次開啟的視窗位置</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>記錄檔</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>執行紀錄</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>網頁資料</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>網頁快取和登入資訊</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>登入項目</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>登入時自動執行的小幫手</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>其他殘留檔案</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>剛剛</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>%n 秒前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>%n 分鐘前</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>%n 小時前</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>昨天</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>%n 天前</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>上週</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>%n 週前</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>上個月</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>%n 個月前</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>去年</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>%n 年前</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>在檔案管理員中顯示</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>點開看看</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>共 %1</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>可用空間 %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>系統、應用程式資料與其他未分類的檔案 %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
點右上角圓點選取，點果凍看看裡面有什麼</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1 共 %2，旁邊的小果凍可以清理，這塊是剩下的 %3
點開看看裡面有什麼</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · 連同殘留共 %2
點開看看它留下了什麼</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>點開看看 ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>取消選取</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>選取，稍後清理</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>版本 %1（%2）</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>目前 %1</translation>
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
        <translation>拖到「完整磁碟取用權限」列表裡</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>拖我</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>給冰沙一把鑰匙</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>開啟一次「完整磁碟取用權限」，系統就不會再一個一個資料夾來問你。
冰沙只讀取檔案大小，只刪除你親手勾選的東西。</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>打開系統設定</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>點下面的糖果按鈕</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>打開冰沙的開關</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>列表裡沒有的話，
把右邊的圖示拖進去</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>結束並重新開啟</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>系統詢問時點它，
回來就好了</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>先略過</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>略過也能用：照片、音樂、文件、下載和聊天應用程式的資料先不掃描，之後隨時可以再開啟。</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>再打開一次</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>等你打開開關…打開後這裡會自動繼續</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>拿到鑰匙囉</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>馬上開始掃描</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>照片、文件、下載等還沒算進來</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>去開啟 ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n 項</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>還剩 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>暫存區</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>最近 7 天清理的東西會先放在這裡，到期自動刪除。想馬上騰出空間可以直接刪除。</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>暫存區是空的 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>已放回 %n 項</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>有 %n 項的原位置已經有新檔案，留在暫存區</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n 項沒能放回去，還留在暫存區</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n 項沒能刪掉，還留在暫存區</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>騰出 %1 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>可放心清理</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>沒有發現可以放心刪除的快取</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>確認後清理</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>沒有需要確認的項目</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>再想想</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>移走了 %1</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>釋放了 %1</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>應用程式還開著，這次先略過：%1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>這次沒能清理掉任何東西，檔案都還在原處</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>有 %n 項沒能清理掉，還在原處</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>在暫存區放 7 天，後悔了可以還原</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>磁碟輕了一點點</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>分享戰報</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>好耶</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>果凍</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>建議清理</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>其餘 %n 項</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>切換到列表看全部</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n 項 · 已選 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>正在處理…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>清理所選 %n 項 · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>要清理 %n 項，共 %1 嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>騰出 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>有 %n 項沒刪掉</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>點果凍選取，按右鍵在檔案管理員中顯示</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>這裡空空的，或是沒有權限查看</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>返回（Esc）</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>正在測量「%1」…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>這段時間沒有東西明顯變大</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>冰沙每次掃描都會記一筆，累積兩天就能看出誰在偷偷長大</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 天</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7 天</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30 天</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>這段時間
騰出來的空間</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>這段時間
多用掉的空間</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>掃描一次之後，冰沙每天記一筆，就能看出空間都跑去哪了。</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>從 %1 開始記錄，明天再來就能看到變化。</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>和 %1 相比</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>變大了</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>變小了</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>這段時間沒有明顯變化 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>已用空間</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>記憶體</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>釋放記憶體</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>打開冰沙</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>清理可放心刪除的 %1</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>掃描磁碟</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>正在掃描…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>自動清理：%n 條規則</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>自動清理未開啟</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>上次自動清理 %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>解除安裝</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>開發</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>變化</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>冰沙用你帳號本身的權限讀取檔案：你自己能打開的文件、下載、照片和聊天應用程式資料，都會算進來，不用另外授權。</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>能讀取你的所有檔案</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>有些資料夾讀不了</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>上次檢查：</translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>自動檢查更新</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>有新版本時冰沙會提醒你，一鍵打開下載頁面。</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>立即檢查</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>繽紛果凍風格的電腦清理工具</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>關掉視窗後，冰沙會留在系統匣，每 30 分鐘看一眼。只會自動清理刪了能自己重建的快取，相關應用程式開著時會略過。</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>這台電腦沒有系統匣，關掉視窗冰沙就會結束，只在視窗開著時每 30 分鐘看一眼。只會自動清理刪了能自己重建的快取，相關應用程式開著時會略過。</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>切換語言後冰沙會自動重新開啟一次。</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>介面語言</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>果凍音效</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>手動清理的東西先保留 7 天，可以還原</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>登入時自動啟動</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>每天自動記錄一次空間變化</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>可用空間少於 %1 G 時提醒我</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>提醒會以系統通知的形式出現。</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>記憶體吃緊時提醒我</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>自動清理</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>權限</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>我幫電腦騰出了</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>用冰沙幫電腦騰出空間</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>清理了 %n 項 · 可用空間 %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>儲存圖片</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>清理戰報</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>存下來發到小紅書、Instagram，或用「分享…」交給其他應用程式。</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>無法儲存圖片</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>已儲存到「%1」</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>已複製，可以直接貼上</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>用預設應用程式開啟</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>複製圖片</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>分享…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>結束 </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>最佔記憶體的應用程式</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>一鍵釋放記憶體</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>要釋放記憶體嗎？</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>釋放</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>算了</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>已開機</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>處理器</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>電池</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>置換空間</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>正在釋放…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>記憶體已用</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>記憶體很吃緊，關掉幾個沒在用的應用程式會好很多 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>記憶體有點吃緊，可以看看右邊誰最佔空間</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>記憶體很充裕，電腦狀態不錯 ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n 小時</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%n 核心</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>負載 %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>可用 </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · 充電中</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · 已接上電源</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>循環 %n 次</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>沒用到</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>已用 </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>可以回收的快取：</translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>會讓系統核心丟掉檔案快取，需要輸入管理員密碼（由系統跳出視窗，冰沙看不到）。</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>之後幾分鐘內開啟檔案會稍微慢一點，系統會慢慢重新快取。</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>將移到垃圾桶</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>結束它</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>要把 %1 和勾選的殘留檔案移到垃圾桶嗎？</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>共 %n 項，%1。在垃圾桶裡還能放回去。</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>移到垃圾桶</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>應用程式本體</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>應用程式本身</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>沒找到它在設定、快取和資料資料夾裡留下的東西</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>沒開啟完整磁碟取用權限，沙盒容器裡的資料沒有檢查</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>正在移走…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>正在幫應用程式秤重…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>依大小</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>最久沒用</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>搜尋應用程式</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>照片與媒體</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>文件與下載</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>專案與程式碼</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode 與 iOS 開發</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>本機 AI 模型</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>套件快取</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>聊天紀錄</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>iPhone 備份與韌體</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>應用程式快取</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>垃圾桶</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>編譯的中間產物，下次編譯時會自動重新產生。Xcode 開著時略過。</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>模擬器快取</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>CoreSimulator 的快取和各模擬器的暫存檔案，需要時會重建。</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>舊的裝置支援檔案</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>連接過的裝置留下的符號檔。每種系統版本保留最新的 2 個，其餘刪除，舊裝置再次連接時會重新複製。</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>Xcode 快取</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>Xcode 自己的快取資料夾。</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>瀏覽器快取</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Chrome、Chromium、Edge、Brave、Firefox 的網頁快取。不碰 Cookie、瀏覽紀錄和密碼。瀏覽器開著時略過。</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>npm 快取</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>npm 的下載快取，安裝套件時會重新下載。</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>Yarn 快取</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>Yarn 的下載快取。</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>Bun 快取</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>Bun 的安裝快取。</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>pip 快取</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>Python 套件的下載快取。</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>Homebrew 下載快取</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>已下載的安裝檔，brew 需要時會重新下載。API 索引會保留。</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>CocoaPods 快取</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>Pod 的下載快取。</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>SwiftPM 快取</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>Swift Package 的下載快取。</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>Go 編譯快取</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>go build 的快取，下次編譯時會重建。</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>Gradle 暫存檔案</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>Gradle 的背景程式記錄檔、建置快取和通知。相依套件儲存庫本身不動。Gradle 執行中時略過。</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>其他開發工具快取</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的快取，都會自動重建。</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>使用者記錄檔</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>應用程式寫下的記錄檔和當機報告，通常沒人會再看。</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>iOS 韌體安裝檔</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>更新 iPhone 或 iPad 時下載的 .ipsw 韌體，裝好就沒用了。</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>沒下載完的檔案</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>下載資料夾裡中斷的 .download / .crdownload / .part，一天以上沒動過的。</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>微信快取</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>微信的縮圖和網頁快取，刪除後會自動重新產生。聊天紀錄、圖片和檔案都不動。微信開著時略過。</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>LINE 快取</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>LINE 的快取，刪除後會自動重新產生。聊天紀錄和相簿都不動。LINE 開著時略過。</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>QQ 快取</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>QQ 的快取，刪除後會自動重新產生。聊天紀錄和檔案都不動。QQ 開著時略過。</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>Discord 快取</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>Discord 的網頁和圖片快取，刪除後會自動重新產生。Discord 開著時略過。</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>Slack 快取</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>Slack 的網頁和圖片快取，刪除後會自動重新產生。Slack 開著時略過。</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>剪映 / CapCut 快取</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>剪輯時產生的預覽和素材快取，再次開啟草稿時會重新產生。草稿和匯出的影片都不動。剪映或 CapCut 開著時略過。</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>舊專案的相依套件與建置產物</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>程式碼資料夾裡 7 天沒動過的專案的 node_modules、target、.build、Pods、.venv 等。被 git 追蹤的不碰。刪除後需要重新安裝相依套件。</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>清空第三方應用程式快取</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>各個應用程式的快取。正在執行的應用程式、系統元件和密碼管理工具的快取會略過。刪除後應用程式會慢一陣子。</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>pnpm 的全域內容儲存區。現有專案還能用，但下次安裝要重新下載。</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>打包的封存。刪除後就不能再從這些封存重新匯出或上傳了。</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>iPhone / iPad 備份</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>裝置的本機備份，刪了就找不回來了。</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>清空垃圾桶</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>垃圾桶裡的東西會被永久刪除。</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>微信裡 3 個月前的圖片和影片</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>聊天中收到、3 個月以前的圖片、影片和檔案。刪除後在微信裡會顯示已過期，多數無法再下載。微信開著時略過。</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>Telegram 下載過的媒體</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>在 Telegram 裡看過的圖片和影片的本機副本。雲端上還在的可以重新下載，私密聊天裡的就找不回來了。Telegram 開著時略過。</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>下載資料夾裡的舊安裝檔</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>下載資料夾裡兩週以上沒動過的 .deb 和 .rpm。軟體裝好後，安裝檔通常就沒用了。</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>模擬器執行環境</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>每個系統版本的模擬器映像，動輒 8 G。預設勾選 60 天沒用、沒有裝置在用、又不是最新版本的；刪了以後要用再從 Xcode 下載。</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>模擬器裝置</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>每台模擬器裡裝的 App 和資料。預設勾選 90 天沒開過的，以及執行環境已被刪除的。</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>Xcode 封存</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>依 App 分組，每個 App 預設保留最新的 2 個封存。刪除的封存無法再重新匯出或上傳。</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>多個 Xcode</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>裝了不只一個 Xcode。不會預設勾選，確定不用了再移到垃圾桶。</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>系統映像和模擬器。預設勾選 90 天沒動過的模擬器；映像需要時可以用 SDK Manager 重新下載。</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker 與虛擬機器</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>容器和虛擬機器的磁碟檔案。這裡只幫你看大小；Docker 開著時可以一鍵清掉不再使用的映像和容器。</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>很久沒動的專案</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>90 天沒改過的專案，只清理它們的相依套件和建置產物（node_modules、target、Pods…），程式碼不動，被 git 追蹤的也不動。</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>重複檔案</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>內容完全相同的檔案（已逐位元組比對）。每組預設保留最早的那一份。</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>舊安裝檔</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>下載資料夾裡 30 天前的 .deb、.rpm、.zip、.iso，裝完通常就用不到了。</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>一年多沒打開</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>超過 100 M、一年多沒打開也沒修改過的檔案。不會預設勾選，看一眼再決定。</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>大檔案</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>500 M 以上的檔案，依大小排序。不會預設勾選。</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>系統與其他</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>清理所選後可用
（目前 %1，暫存區 %2）</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>清理所選後可用
（目前 %1）</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>很乾淨，沒找到可以清理的東西 ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>準備掃描…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>可以清理 %1，其中 %2 可以放心刪除。</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>正在重新掃描「%1」…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>正在翻看「%1」…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>正在清理「%1」… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>正在清理，稍等一下 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>清理所選 %n 項</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>選一些果凍來清理</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>掃描完就能清理</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>正在清理…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

會先放進暫存區，7 天內可以還原，之後自動刪除。</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

檔案會被直接刪除，不經過垃圾桶。</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>已選 %1 / %2</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>全不選</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>暫存區 %1 · 7 天內可以還原</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>系統佔用</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>已壓縮</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>檔案快取</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>空閒</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>%1 沒能移到垃圾桶</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> 已移到垃圾桶 · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>有 %n 項沒有權限移走，可以在檔案管理員裡手動拖進垃圾桶</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>清空垃圾桶後才會騰出空間，反悔的話可以從垃圾桶裡放回來</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>要徹底刪除剛解除安裝的 </translation>
    </message>
    <message>
        <source>？</source>
        <translation> 嗎？</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>只刪除這次移進垃圾桶的 </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation>，垃圾桶裡的其他東西不會動到。刪除後就不能放回來了。</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>徹底刪除</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>%n 處殘留</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>正在幫應用程式秤重… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>很久沒打開的排在前面，這些最值得解除安裝。</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>點一個應用程式，看看它在電腦裡留了多少東西。解除安裝會移到垃圾桶，可以放回來。</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>%n 個應用程式
連同它們的殘留</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 正在執行，請先結束再解除安裝</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>%1 的背景小幫手還在執行，請先結束再解除安裝</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>其餘 %n 個</numerusform>
        </translation>
    </message>
</context>
</TS>
