<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>Never used</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>Used today</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>Used %n day ago</numerusform>
            <numerusform>Used %n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>Unused for %n month</numerusform>
            <numerusform>Unused for %n months</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>Unused for over a year</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>Clean</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>Open "Full Disk Access" Settings…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>Sorbeta %1 is available</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>You are using %1. Get the new version from its download page.</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Open Download Page</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>You're up to date</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>Sorbeta %1 is the newest version.</translation>
    </message>
    <message>
        <source>好</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>Couldn't check for updates</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>The update server could not be reached. Try again later.</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>Scanning disk…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>Free Up Space Now</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>Freed </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> of memory</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>The file cache is cleared; the system will cache again as it needs to</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>Your disk is almost full</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>Only %1 left. Open Sorbeta to see what can be cleaned.</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>Memory is tight</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>Quit a few apps you aren't using, or free up memory in Sorbeta.</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>Cleaned %1 automatically</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>System image · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>Emulator · last changed </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>Images and containers Docker no longer uses</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>Looks
unneeded</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>The big items hiding in Android emulators and SDKs, Docker and old projects.</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>Searching emulators, virtual machines and old projects…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>No big files left behind by developer tools ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>Files go to the Trash, and project dependencies are deleted outright (reinstalling brings them back).</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>Maybe
unneeded</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>Large files in Downloads, Documents, Desktop and Videos, files not opened for a long time, duplicates and old installers.</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>Searching your files…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>No obviously unneeded big files found ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>The chosen files go to the Trash, where you can still put them back.</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>Last used %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>Last use unknown</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · runtime is gone</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>Devices in use</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>%n device</numerusform>
            <numerusform>%n devices</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>Last changed </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>Last opened </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · This one stays (the earliest)</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · Identical to %2</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>%1 is still open</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>To clean these, they need to quit first:
%1

Remember to save your work before they quit.</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>Quit and Clean</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>Don't Clean Yet</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>Skip These</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Follow System</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>Could not start pkexec (install the pkexec package)</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>Did not work: </translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Linux computer</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>Unknown processor</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>App Data</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>Data and settings it keeps</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>Cache</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>Temporary files, safe to delete</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>Its settings</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>Sandbox Container</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>Everything it keeps in its sandbox</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>Window State</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>Where its windows were last open</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>Records of what it did</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>Web Data</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>Web caches and sign-ins</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>Login Item</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>A helper that starts automatically at login</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>Other leftover files</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>now</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>%n second ago</numerusform>
            <numerusform>%n seconds ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>%n minute ago</numerusform>
            <numerusform>%n minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>%n hour ago</numerusform>
            <numerusform>%n hours ago</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>yesterday</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>last week</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>%n week ago</numerusform>
            <numerusform>%n weeks ago</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>last month</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>%n month ago</numerusform>
            <numerusform>%n months ago</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>last year</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>%n year ago</numerusform>
            <numerusform>%n years ago</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>Take a Look</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>%1 in total</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>Free space %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>System, app data and other unsorted files %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
Click the dot at the top right to select, click the jelly to see what's inside</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1 holds %2 in total; the small jellies beside it can be cleaned, this piece is the remaining %3
Click to see what's inside</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · %2 including leftovers
Click to see what it left behind</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>Take a look ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>Select to clean later</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>Now %1</translation>
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
        <translation>Drag to the "Full Disk Access" list</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>Drag me</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>Give Sorbeta a key</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>Turn on "Full Disk Access" once, and the system stops asking you folder by folder.
Sorbeta only reads file sizes and only deletes what you tick yourself.</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>Open System Settings</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>Press the candy button below</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>Turn on Sorbeta's switch</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>If it isn't in the list,
drag the icon on the right into it</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>Quit and reopen</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>Click it when the system asks,
then you're all set</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>Skip for Now</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>Works without it too: photos, music, documents, downloads and chat app data are left out for now. You can turn it on any time.</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>Open Again</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>Waiting for the switch… this continues by itself once it's on</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>Got the key!</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>Starting the scan</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>Photos, documents, downloads and more aren't counted yet</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>Turn on ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>%n day left</numerusform>
            <numerusform>%n days left</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>Holding Area</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>What you cleaned in the last 7 days waits here and is deleted when it expires. Delete it now to free the space at once.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>The holding area is empty 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>Put back %n item</numerusform>
            <numerusform>Put back %n items</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>%n item has something new in its place and stays in the holding area</numerusform>
            <numerusform>%n items have something new in their place and stay in the holding area</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n item could not be put back and stays in the holding area</numerusform>
            <numerusform>%n items could not be put back and stay in the holding area</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n item could not be deleted and stays in the holding area</numerusform>
            <numerusform>%n items could not be deleted and stay in the holding area</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>Freed %1 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>Safe to Clean</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>No caches found that are safe to delete</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>Clean After Confirming</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>Nothing needs confirming</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>Not Yet</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>Moved %1 aside</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>Freed %1</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>Still open, skipped this time: %1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>Nothing could be cleaned this time; the files are still where they were</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>%n item could not be cleaned and is still where it was</numerusform>
            <numerusform>%n items could not be cleaned and are still where they were</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>Kept in the holding area for 7 days, in case you change your mind</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>The disk got a little lighter</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>Share the Result</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>Yay</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>Jellies</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>List</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>Suggested</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>%n more item</numerusform>
            <numerusform>%n more items</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>Switch to the list to see them all</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n item · %1 chosen</numerusform>
            <numerusform>%n items · %1 chosen</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>Working…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>Clean %n Chosen · %1</numerusform>
            <numerusform>Clean %n Chosen · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>Clean %n item, %1 in total?</numerusform>
            <numerusform>Clean %n items, %1 in total?</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>Freed %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>%n item could not be removed</numerusform>
            <numerusform>%n items could not be removed</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>Click a jelly to choose it, right-click to show it in the file manager</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>Nothing here, or no permission to look</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>Back (Esc)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>Measuring "%1"…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>Nothing grew noticeably in this period</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>Sorbeta notes down every scan; after a couple of days you can see what is quietly growing</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>Space freed
in this period</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>Extra space used
in this period</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>After one scan, Sorbeta notes down your disk once a day, so you can see where the space went.</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>Recording since %1. Come back tomorrow to see what changed.</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>Compared with %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>Grew</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>Shrank</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>No notable change in this period 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>Used space</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>Free Memory</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>Open Sorbeta</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>Clean %1 of Safe Items</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>Scan Disk</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>Scanning…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>Auto-clean: %n rule</numerusform>
            <numerusform>Auto-clean: %n rules</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>Auto-clean is off</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>Last auto-clean %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>Develop</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>Sorbeta reads files with your account's own permissions: the documents, downloads, photos and chat app data you can open are all counted, with nothing extra to allow.</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>Can read all your files</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>Some folders cannot be read</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>Last checked: </translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>Check for updates automatically</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>When a new version is out, Sorbeta tells you and opens its download page.</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>Check Now</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>A colourful jelly-style cleaner for your computer</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>After you close its window, Sorbeta stays in the system tray and takes a look every 30 minutes. It only cleans caches that rebuild themselves, and skips them while the related app is open.</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>This computer has no system tray, so Sorbeta quits when you close its window and takes a look every 30 minutes only while the window is open. It only cleans caches that rebuild themselves, and skips them while the related app is open.</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>After a language change, Sorbeta reopens itself once.</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Interface language</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>Jelly sound effects</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>Keep what a manual clean removes for 7 days, so it can be restored</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>Start automatically at login</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>Record the change of space once a day</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>Remind me when free space is below %1 G</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>Alerts appear as system notifications.</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>Remind me when memory is tight</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Alerts</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>Auto-clean</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>I freed up on my computer</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>Make room with Sorbeta</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>Cleaned %n item · Free space %1 → %2</numerusform>
            <numerusform>Cleaned %n items · Free space %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>Clean-up Report</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>Save it and post it to Xiaohongshu or Instagram, or share it with another app.</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>Couldn't save the picture</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>Saved to "%1"</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>Copied, ready to paste</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>Open with Default App</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>Copy Image</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>Share…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>Quit </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>Apps using the most memory</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>Free up memory</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>Free up memory?</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>Free up</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>Never mind</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>Uptime</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>Freeing…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>memory used</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>Memory is tight; closing a few unused apps will help a lot 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>Memory is getting tight; see on the right who uses the most</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>Plenty of memory; your computer is doing fine ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n d</numerusform>
            <numerusform>%n d</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n h</numerusform>
            <numerusform>%n h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%n core</numerusform>
            <numerusform>%n cores</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>load %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>Free </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · charging</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · on power</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>%n cycle</numerusform>
            <numerusform>%n cycles</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>Not in use</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>Using </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>Cache that can be freed: </translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>The kernel will drop its file cache. This needs the administrator password (asked in the system's own prompt; Sorbeta never sees it).</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>For a few minutes, opening files will be a little slower while the system caches them again.</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>will go to the Trash</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>Quit It</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>Move %1 and the ticked leftovers to the Trash?</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>%n item, %1. You can still put it back from the Trash.</numerusform>
            <numerusform>%n items, %1. You can still put them back from the Trash.</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>App</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>The application itself</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>Found nothing it left in your settings, cache and data folders</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>Without full disk access, data in sandbox containers was not checked</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>Moving…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>Weighing apps…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>By Size</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>Least Used</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>Search apps</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>Photos &amp; Media</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>Documents &amp; Downloads</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>Projects &amp; Code</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode &amp; iOS Development</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>Local AI Models</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>Package Caches</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>Chat History</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>iPhone Backups &amp; Firmware</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>App Caches</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>Trash</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>Intermediate build products; they are regenerated on the next build. Skipped while Xcode is open.</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>Simulator Caches</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>CoreSimulator caches and each simulator's temporary files; rebuilt when needed.</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>Old Device Support Files</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>Symbol files left by devices you connected. The newest 2 of each system version are kept and the rest deleted; an old device copies them again when it reconnects.</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>Xcode Caches</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>Xcode's own cache folders.</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>Browser Caches</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Web caches of Chrome, Chromium, Edge, Brave and Firefox. Cookies, history and passwords are left alone. Skipped while the browser is open.</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>npm Cache</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>npm's download cache; packages are downloaded again when installed.</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>Yarn Cache</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>Yarn's download cache.</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>Bun Cache</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>Bun's install cache.</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>pip Cache</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>Download cache of Python packages.</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>Homebrew Download Cache</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>Downloaded installers; brew downloads them again when needed. The API index is kept.</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>CocoaPods Cache</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>Download cache of pods.</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>SwiftPM Cache</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>Download cache of Swift packages.</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>Go Build Cache</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>The go build cache; rebuilt on the next build.</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>Gradle Temporary Files</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>Gradle's daemon logs, build cache and notifications. The dependency repository itself is left alone. Skipped while Gradle runs.</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>Other Developer Tool Caches</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>Caches of TypeScript, Vite, ESLint, Prettier, uv, Poetry, Ruff, Cargo, Composer, Android and other tools; all rebuilt automatically.</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>User Logs</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>Logs and crash reports written by apps; usually nobody reads them again.</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>iOS Firmware Installers</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>The .ipsw firmware files downloaded when updating an iPhone or iPad; of no use once installed.</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>Unfinished Downloads</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>Interrupted .download / .crdownload / .part files in the Downloads folder, untouched for more than a day.</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>WeChat Cache</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>WeChat's thumbnails and web cache; regenerated automatically after deletion. Chat history, images and files are left alone. Skipped while WeChat is open.</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>LINE Cache</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>LINE's cache; regenerated automatically after deletion. Chat history and albums are left alone. Skipped while LINE is open.</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>QQ Cache</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>QQ's cache; regenerated automatically after deletion. Chat history and files are left alone. Skipped while QQ is open.</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>Discord Cache</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>Discord's web and image cache; regenerated automatically after deletion. Skipped while Discord is open.</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>Slack Cache</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>Slack's web and image cache; regenerated automatically after deletion. Skipped while Slack is open.</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>JianYing / CapCut Cache</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>Preview and media caches made while editing; regenerated when a draft is opened again. Drafts and exported videos are left alone. Skipped while JianYing or CapCut is open.</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>Dependencies &amp; Build Products of Old Projects</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>node_modules, target, .build, Pods, .venv and the like of projects in your code folders untouched for 7 days. Anything tracked by git is left alone. Dependencies must be reinstalled afterwards.</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>Empty Third-Party App Caches</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>Caches of all apps. Caches of running apps, system components and password managers are skipped. Apps are slower for a while afterwards.</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>pnpm's global content store. Existing projects keep working, but the next install downloads again.</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>Archives. Once deleted, you can no longer export or upload again from them.</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>iPhone / iPad Backups</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>Local backups of your devices; once deleted they cannot be recovered.</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>Empty the Trash</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>Everything in the Trash will be deleted for good.</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>WeChat Images and Videos Older Than 3 Months</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>Images, videos and files received in chats more than 3 months ago. Once deleted, WeChat shows them as expired and most cannot be downloaded again. Skipped while WeChat is open.</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>Media Downloaded in Telegram</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>Local copies of images and videos you viewed in Telegram. Those still in the cloud can be downloaded again; those from secret chats cannot be recovered. Skipped while Telegram is open.</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>Old Installers in Downloads</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>.deb and .rpm packages in the Downloads folder untouched for more than two weeks. Once the software is installed, the installer is usually of no further use.</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>Simulator Runtimes</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>One simulator image per system version, often 8 GB. Ticked by default when unused for 60 days, used by no device and not the newest version; download it again from Xcode when you need it.</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>Simulator Devices</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>The apps and data inside each simulator. Ticked by default when not opened for 90 days, or when its runtime has been deleted.</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>Xcode Archives</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>Grouped by app; the newest 2 archives of each app stay unticked by default. A deleted archive can no longer be exported or uploaded.</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>Several Xcodes</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>More than one Xcode is installed. Nothing is ticked by default; move one to the Trash once you are sure you no longer need it.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>System images and emulators. Emulators untouched for 90 days are ticked by default; images can be downloaded again with SDK Manager when needed.</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker &amp; Virtual Machines</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>Disk files of containers and virtual machines. This only shows their size; while Docker is running, the images and containers it no longer uses can be cleared with one click.</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>Long-Untouched Projects</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>Projects unchanged for 90 days. Only their dependencies and build products (node_modules, target, Pods…) are cleared; code is left alone, and so is anything tracked by git.</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>Duplicate Files</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>Files with exactly the same content (compared byte by byte). In each set the earliest copy stays by default.</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>Old Installers</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>.deb, .rpm, .zip and .iso files in the Downloads folder older than 30 days. Once installed, they are usually not needed.</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>Not Opened for Over a Year</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>Files over 100 MB, neither opened nor changed for over a year. Not ticked by default: have a look before deciding.</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>Large Files</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>Files of 500 MB and more, sorted by size. Not ticked by default.</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>System &amp; Other</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>Free after cleaning the selection
(now %1, holding area %2)</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>Free after cleaning the selection
(now %1)</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>All clean, nothing found to clean ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>Getting ready to scan…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>%1 can be cleaned, %2 of it safely.</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>Rescanning "%1"…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>Looking through "%1"…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>Cleaning "%1"… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>Cleaning, just a moment 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>Clean %n Selected Item</numerusform>
            <numerusform>Clean %n Selected Items</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>Pick some jellies to clean</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>Cleaning is possible once the scan is done</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>Cleaning…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

They go to the holding area first and can be restored within 7 days; after that they are deleted automatically.</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

The files will be deleted directly, without going through the Trash.</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>%1 / %2 selected</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Select None</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>Holding area %1 · can be restored within 7 days</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>System</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>Compressed</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>File cache</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>%1 could not be moved to the Trash</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> moved to the Trash · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>%n item could not be moved for lack of permission; you can drag it to the Trash yourself in the file manager</numerusform>
            <numerusform>%n items could not be moved for lack of permission; you can drag them to the Trash yourself in the file manager</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>Space is freed once you empty the Trash. Changed your mind? Put it back from the Trash.</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>Delete the just uninstalled </translation>
    </message>
    <message>
        <source>？</source>
        <translation> for good?</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>Deletes only the </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation> moved to the Trash this time; nothing else in the Trash is touched. Once deleted it cannot be put back.</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>Delete for Good</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>%n leftover</numerusform>
            <numerusform>%n leftovers</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>Weighing apps… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>Apps left unopened the longest come first: they are the best ones to uninstall.</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>Click an app to see how much it keeps on your computer. Uninstalling moves it to the Trash, so you can put it back.</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>%n app
with its leftovers</numerusform>
            <numerusform>%n apps
with their leftovers</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 is running; quit it before uninstalling</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>Background helpers of %1 are still running; quit them before uninstalling</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
</context>
</TS>
