<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>Android 模拟器与 SDK、Docker、老项目里藏的大块头。</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>正在翻模拟器、虚拟机和老项目…</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>其他文件移到回收站，项目依赖直接删除（重新安装即可恢复）。</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>下载、文档、桌面、视频里的大文件、很久没打开的文件、重复文件和旧安装包。</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>选中的文件会移到回收站，在回收站里还能放回去。</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>没法启动 pkexec（需要先安装 pkexec 软件包）</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Linux 电脑</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>未知处理器</translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>点果冻选中，右键在文件管理器中显示</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>冰沙用你的账户权限读取文件：你自己能打开的文档、下载、照片和聊天应用数据，它都能算进来，不用另外授权。</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>能读取你的全部文件</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>有些文件夹读不了</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>有新版本时冰沙会提醒你，一键打开下载页。</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>缤纷果冻风格的电脑清理工具</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>冰沙关掉窗口后会留在系统托盘，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>提醒会以系统通知的形式出现。</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>我给电脑腾出了</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>用冰沙给电脑腾地方</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>存下来发到小红书、Instagram，或者用“分享…”交给别的应用。</translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>会让系统内核丢掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>将移到回收站</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>把 %1 和勾选的残留移到回收站？</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>共 %n 项，%1。在回收站里还能放回去。</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>移到回收站</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>没找到它在设置、缓存和数据文件夹里留下的东西</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>文档与下载</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Chrome、Chromium、Edge、Brave、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>更新 iPhone 或 iPad 时下载的 .ipsw 固件，用完就没用了。</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>设备的本地备份，删了就找不回来了。</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>清空回收站</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>回收站里的东西会被永久删除。</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>下载文件夹里两周以上没动过的 .deb 和 .rpm。软件装好后安装包一般就没用了。</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>装了不止一个 Xcode。不会默认勾选，确认不用了再移到回收站。</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>下载文件夹里 30 天前的 .deb、.rpm、.zip、.iso，装完一般就用不着了。</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

文件会被直接删除，不经过回收站。</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>%1 没能移到回收站</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> 移到回收站了 · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>有 %n 项没权限移走，可以在文件管理器里手动拖进回收站</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>清空回收站后才会腾出空间，反悔的话去回收站里放回来</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>只删这次移进回收站的 </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation>，回收站里别的东西不动。删了就不能放回来了。</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>点一个应用，看看它在电脑里留了多少东西。卸载会移到回收站，可以放回来。</translation>
    </message>
</context>
</TS>
