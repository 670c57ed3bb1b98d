<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>ไม่เคยใช้</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>ใช้วันนี้</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>ใช้เมื่อ %n วันก่อน</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>ไม่ได้ใช้มา %n เดือน</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>ไม่ได้ใช้มานานกว่าหนึ่งปี</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>การตั้งค่า…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>ตรวจหาอัปเดต…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>ล้าง</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>สแกนใหม่</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>เปิดการตั้งค่า "การเข้าถึงดิสก์เต็มรูปแบบ"…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>ภาษา</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>Sorbeta เวอร์ชันใหม่ %1 มาแล้ว</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>ตอนนี้คุณใช้เวอร์ชัน %1 อยู่ ดาวน์โหลดเวอร์ชันใหม่ได้จากหน้าดาวน์โหลด</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>เปิดหน้าดาวน์โหลด</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>ไว้ทีหลัง</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>เป็นเวอร์ชันล่าสุดแล้ว</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>Sorbeta %1 คือเวอร์ชันล่าสุดในตอนนี้</translation>
    </message>
    <message>
        <source>好</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>ตรวจหาอัปเดตไม่สำเร็จ</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>เชื่อมต่อเซิร์ฟเวอร์อัปเดตไม่ได้ ลองใหม่อีกครั้งในภายหลัง</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>กำลังสแกนดิสก์…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>เคลียร์พื้นที่ตอนนี้</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>คืนหน่วยความจำได้ </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> แล้ว</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>ล้างแคชไฟล์แล้ว ระบบจะค่อย ๆ แคชใหม่ตามที่ต้องใช้</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>ดิสก์ใกล้เต็มแล้ว</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>เหลือพื้นที่ว่างแค่ %1 เปิด Sorbeta เพื่อดูว่ามีอะไรล้างได้บ้าง</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>หน่วยความจำตึงมาก</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>ปิดแอปที่ไม่ได้ใช้สักสองสามตัว หรือคืนหน่วยความจำใน Sorbeta</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>ล้างอัตโนมัติไป %1</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>อิมเมจระบบ · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>อีมูเลเตอร์ · แก้ไขล่าสุด </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>อิมเมจและคอนเทนเนอร์ที่ Docker ไม่ได้ใช้แล้ว</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>ดูเหมือน
ไม่จำเป็น</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>ของชิ้นใหญ่ที่ซ่อนอยู่ในอีมูเลเตอร์และ SDK ของ Android, Docker และโปรเจกต์เก่า</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>กำลังค้นอีมูเลเตอร์ เครื่องเสมือน และโปรเจกต์เก่า…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>ไม่พบไฟล์ใหญ่ที่เครื่องมือนักพัฒนาทิ้งไว้ ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>ไฟล์จะย้ายไปถังขยะ ส่วน dependency ของโปรเจกต์จะถูกลบทันที (ติดตั้งใหม่ก็กลับมา)</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>อาจจะ
ไม่จำเป็น</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>ไฟล์ใหญ่ในดาวน์โหลด เอกสาร เดสก์ท็อป และวิดีโอ ไฟล์ที่ไม่ได้เปิดมานาน ไฟล์ซ้ำ และตัวติดตั้งเก่า</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>กำลังค้นไฟล์ของคุณ…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>ไม่พบไฟล์ใหญ่ที่ดูไม่จำเป็น ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>ไฟล์ที่เลือกจะย้ายไปถังขยะ และยังนำกลับมาจากถังขยะได้</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>ใช้ล่าสุด %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>ไม่ทราบวันที่ใช้ล่าสุด</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · ไม่มีรันไทม์แล้ว</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>มีอุปกรณ์ใช้อยู่</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>%n อุปกรณ์</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>แก้ไขล่าสุด </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>เปิดล่าสุด </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · เก็บไฟล์นี้ไว้ (เก่าที่สุด)</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · เหมือนกับ %2 ทุกอย่าง</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>%1 ยังเปิดอยู่</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>ต้องปิดแอปเหล่านี้ก่อนจึงจะล้างได้:
%1

อย่าลืมบันทึกงานที่ทำค้างไว้ก่อนปิด</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>ปิดแล้วล้าง</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>ยังไม่ล้าง</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>ข้ามรายการเหล่านี้</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>ดิสก์</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>ตามระบบ</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>เปิด pkexec ไม่ได้ (ต้องติดตั้งแพ็กเกจ pkexec ก่อน)</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>ไม่สำเร็จ: </translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>คอมพิวเตอร์ Linux</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>ไม่ทราบชนิดโปรเซสเซอร์</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>ข้อมูลแอป</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>ข้อมูลและการตั้งค่าที่แอปเก็บไว้</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>แคช</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>ไฟล์ชั่วคราว ลบได้ไม่มีปัญหา</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>ค่ากำหนด</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>การตั้งค่าของแอป</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>คอนเทนเนอร์แซนด์บ็อกซ์</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>ข้อมูลทั้งหมดที่แอปเก็บไว้ในแซนด์บ็อกซ์</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>สถานะหน้าต่าง</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>ตำแหน่งหน้าต่างที่เปิดครั้งล่าสุด</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>ล็อก</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>บันทึกการทำงาน</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>ข้อมูลเว็บ</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>แคชเว็บและข้อมูลการลงชื่อเข้าใช้</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>รายการเริ่มเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>ตัวช่วยที่เริ่มทำงานเองเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>อื่น ๆ</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>ไฟล์ตกค้างอื่น ๆ</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>เมื่อสักครู่</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>%n วินาทีที่แล้ว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>%n นาทีที่แล้ว</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>%n ชั่วโมงที่แล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>เมื่อวาน</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>%n วันที่แล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>สัปดาห์ที่แล้ว</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>%n สัปดาห์ที่แล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>เดือนที่แล้ว</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>%n เดือนที่แล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>ปีที่แล้ว</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>%n ปีที่แล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>แสดงในตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>เปิดดู</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>รวม %1</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>พื้นที่ว่าง %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>ระบบ ข้อมูลแอป และไฟล์อื่นที่ไม่ได้จัดหมวด %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
คลิกจุดมุมขวาบนเพื่อเลือก คลิกเยลลี่เพื่อดูว่ามีอะไรข้างใน</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1 มีทั้งหมด %2 เยลลี่ลูกเล็กข้าง ๆ ล้างได้ ส่วนชิ้นนี้คือที่เหลืออีก %3
คลิกเพื่อดูว่ามีอะไรข้างใน</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · รวมไฟล์ตกค้าง %2
คลิกเพื่อดูว่าแอปทิ้งอะไรไว้บ้าง</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>เปิดดู ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>ยกเลิกการเลือก</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>เลือกไว้ ล้างทีหลัง</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>เวอร์ชัน %1 (%2)</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>ตอนนี้ %1</translation>
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
        <translation>ลากไปใส่รายการ "การเข้าถึงดิสก์เต็มรูปแบบ"</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>ลากฉัน</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>มอบกุญแจให้ Sorbeta</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>เปิด "การเข้าถึงดิสก์เต็มรูปแบบ" ครั้งเดียว ระบบจะไม่ถามคุณทีละโฟลเดอร์อีก
Sorbeta อ่านแค่ขนาดไฟล์ และลบเฉพาะสิ่งที่คุณติ๊กเลือกเองเท่านั้น</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>เปิดการตั้งค่าระบบ</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>กดปุ่มลูกอมด้านล่าง</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>เปิดสวิตช์ของ Sorbeta</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>ถ้าไม่มีในรายการ
ให้ลากไอคอนทางขวาเข้าไป</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>ออกแล้วเปิดใหม่</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>กดปุ่มนี้เมื่อระบบถาม
แล้วก็เรียบร้อย</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>ข้ามไปก่อน</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>ข้ามไปก็ใช้งานได้: จะยังไม่สแกนรูปภาพ เพลง เอกสาร ดาวน์โหลด และข้อมูลแอปแชต เปิดทีหลังได้ทุกเมื่อ</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>เปิดอีกครั้ง</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>รอคุณเปิดสวิตช์… เปิดแล้วจะไปต่อเอง</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>ได้กุญแจแล้ว!</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>กำลังเริ่มสแกน</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>ยังไม่ได้นับรูปภาพ เอกสาร ดาวน์โหลด และอื่น ๆ</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>ไปเปิด ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n รายการ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>เหลืออีก %n วัน</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>กู้คืน</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>พื้นที่พักไฟล์</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>สิ่งที่ล้างใน 7 วันล่าสุดจะพักไว้ที่นี่ และจะถูกลบเองเมื่อครบกำหนด ถ้าอยากได้พื้นที่คืนทันทีก็ลบได้เลย</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>เสร็จ</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>พื้นที่พักไฟล์ว่างเปล่า 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>นำกลับไปแล้ว %n รายการ</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>%n รายการมีของใหม่อยู่ที่เดิมแล้ว จึงยังอยู่ในพื้นที่พักไฟล์</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n รายการย้ายกลับไม่ได้ จึงยังอยู่ในพื้นที่พักไฟล์</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n รายการลบไม่ได้ จึงยังอยู่ในพื้นที่พักไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>ได้พื้นที่คืน %1 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>ล้างได้อย่างปลอดภัย</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>ไม่พบแคชที่ลบได้อย่างปลอดภัย</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>ล้างหลังยืนยัน</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>ไม่มีรายการที่ต้องยืนยัน</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>ขอคิดก่อน</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>ย้ายออกไป %1</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>ได้พื้นที่คืน %1</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>แอปยังเปิดอยู่ ครั้งนี้จึงข้ามไปก่อน: %1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>ครั้งนี้ล้างอะไรไม่ได้เลย ไฟล์ทั้งหมดยังอยู่ที่เดิม</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>มี %n รายการที่ล้างไม่ได้ ยังอยู่ที่เดิม</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>พักไว้ในพื้นที่พักไฟล์ 7 วัน เปลี่ยนใจก็กู้คืนได้</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>ดิสก์เบาลงอีกนิด</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>แชร์ผลลัพธ์</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>เย่!</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>เยลลี่</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>รายการ</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>แนะนำให้ล้าง</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>อีก %n รายการ</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>สลับไปมุมมองรายการเพื่อดูทั้งหมด</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n รายการ · เลือกแล้ว %1</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>กำลังดำเนินการ…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>ล้าง %n รายการที่เลือก · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>ล้าง %n รายการ รวม %1 ไหม?</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>ได้พื้นที่คืน %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>มี %n รายการที่ลบไม่ได้</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>คลิกเยลลี่เพื่อเลือก คลิกขวาเพื่อแสดงในตัวจัดการไฟล์</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>ไม่มีอะไรที่นี่ หรือไม่มีสิทธิ์เข้าดู</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>กลับ (Esc)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>กำลังวัดขนาด "%1"…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>ช่วงนี้ไม่มีอะไรใหญ่ขึ้นอย่างเห็นได้ชัด</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>Sorbeta จดบันทึกทุกครั้งที่สแกน ผ่านไปสองวันก็จะเห็นว่าอะไรแอบโตขึ้น</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 วัน</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7 วัน</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30 วัน</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>พื้นที่ที่ได้คืน
ในช่วงนี้</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>พื้นที่ที่ใช้เพิ่ม
ในช่วงนี้</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>หลังสแกนครั้งแรก Sorbeta จะจดบันทึกวันละครั้ง แล้วคุณจะเห็นว่าพื้นที่หายไปไหน</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>เริ่มบันทึกตั้งแต่ %1 พรุ่งนี้กลับมาดูความเปลี่ยนแปลงได้</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>เทียบกับ %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>ใหญ่ขึ้น</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>เล็กลง</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>ช่วงนี้ไม่มีความเปลี่ยนแปลงที่เห็นได้ชัด 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>พื้นที่ที่ใช้</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>ว่าง</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>หน่วยความจำ</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>คืนหน่วยความจำ</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>เปิด Sorbeta</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>ล้างรายการที่ปลอดภัย %1</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>สแกนดิสก์</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>กำลังสแกน…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>ล้างอัตโนมัติ: %n กฎ</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>ล้างอัตโนมัติปิดอยู่</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>ล้างอัตโนมัติครั้งล่าสุด %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>ถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>นักพัฒนา</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ไฟล์</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>ความเปลี่ยนแปลง</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>Sorbeta อ่านไฟล์ด้วยสิทธิ์ของบัญชีคุณเอง เอกสาร ดาวน์โหลด รูปภาพ และข้อมูลแอปแชตที่คุณเปิดได้จะถูกนับรวมทั้งหมด โดยไม่ต้องอนุญาตอะไรเพิ่ม</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>อ่านไฟล์ของคุณได้ทั้งหมด</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>บางโฟลเดอร์อ่านไม่ได้</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>ตรวจสอบล่าสุด: </translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>ตรวจหาอัปเดตอัตโนมัติ</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>เมื่อมีเวอร์ชันใหม่ Sorbeta จะแจ้งคุณ และเปิดหน้าดาวน์โหลดได้ในคลิกเดียว</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>ตรวจเลย</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>แอปล้างเครื่องคอมพิวเตอร์สไตล์เยลลี่หลากสี</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>หลังปิดหน้าต่าง Sorbeta จะยังอยู่ในถาดระบบและแวะดูทุก 30 นาที จะล้างอัตโนมัติเฉพาะแคชที่สร้างใหม่เองได้ และข้ามไปหากแอปที่เกี่ยวข้องเปิดอยู่</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>คอมพิวเตอร์เครื่องนี้ไม่มีถาดระบบ Sorbeta จึงปิดตัวเมื่อปิดหน้าต่าง และแวะดูทุก 30 นาทีเฉพาะตอนที่หน้าต่างเปิดอยู่ จะล้างอัตโนมัติเฉพาะแคชที่สร้างใหม่เองได้ และข้ามไปหากแอปที่เกี่ยวข้องเปิดอยู่</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>หลังเปลี่ยนภาษา Sorbeta จะเปิดตัวเองใหม่หนึ่งครั้ง</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>ภาษาของหน้าจอ</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>เสียงเยลลี่</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>เก็บสิ่งที่ล้างเองไว้ 7 วัน เพื่อให้กู้คืนได้</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>เริ่มทำงานเองเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>บันทึกความเปลี่ยนแปลงของพื้นที่วันละครั้ง</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>เตือนเมื่อพื้นที่ว่างเหลือน้อยกว่า %1 G</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>การเตือนจะแสดงเป็นการแจ้งเตือนของระบบ</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>เตือนเมื่อหน่วยความจำตึง</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>การเตือน</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>ล้างอัตโนมัติ</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>สิทธิ์</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>ฉันเคลียร์พื้นที่ในคอมได้</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>เคลียร์พื้นที่คอมด้วย Sorbeta</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>ล้างไป %n รายการ · พื้นที่ว่าง %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>บันทึกรูปภาพ</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>สรุปผลการล้าง</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>บันทึกไว้แล้วโพสต์ลง Xiaohongshu หรือ Instagram หรือใช้ "แชร์…" ส่งต่อให้แอปอื่น</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>บันทึกรูปภาพไม่สำเร็จ</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>บันทึกไว้ที่ "%1" แล้ว</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>คัดลอกแล้ว วางได้เลย</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>เปิดด้วยแอปเริ่มต้น</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>คัดลอกรูปภาพ</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>แชร์…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>ปิด </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>แอปที่ใช้หน่วยความจำมากที่สุด</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>คืนหน่วยความจำในคลิกเดียว</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>คืนหน่วยความจำไหม?</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>คืน</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>ช่างมัน</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>เปิดเครื่องมาแล้ว</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>โปรเซสเซอร์</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>แบตเตอรี่</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>พื้นที่สลับ</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>กำลังคืนหน่วยความจำ…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>หน่วยความจำที่ใช้</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>หน่วยความจำตึงมาก ปิดแอปที่ไม่ได้ใช้สักสองสามตัวจะดีขึ้นเยอะ 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>หน่วยความจำเริ่มตึง ดูทางขวาว่าใครใช้มากที่สุด</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>หน่วยความจำเหลือเฟือ คอมพิวเตอร์สบายดี ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n วัน</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n ชั่วโมง</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n นาที</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n นาที</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%n คอร์</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>โหลด %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>ว่าง </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · กำลังชาร์จ</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · เสียบปลั๊กอยู่</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>ชาร์จมาแล้ว %n รอบ</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>ไม่ได้ใช้</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>ใช้ไป </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>แคชที่คืนได้: </translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>เคอร์เนลจะทิ้งแคชไฟล์ ต้องใส่รหัสผ่านผู้ดูแลระบบ (ระบบจะถามเอง Sorbeta มองไม่เห็นรหัสผ่าน)</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>ในอีกไม่กี่นาทีต่อจากนี้ การเปิดไฟล์จะช้าลงเล็กน้อยระหว่างที่ระบบแคชใหม่</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>จะย้ายไปถังขยะ</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>ปิดแอปนี้</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>ย้าย %1 และไฟล์ตกค้างที่ติ๊กไว้ไปถังขยะไหม?</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>รวม %n รายการ %1 ยังนำกลับมาจากถังขยะได้</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>ย้ายไปถังขยะ</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>ตัวแอป</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>ตัวแอปพลิเคชันเอง</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>ไม่พบสิ่งที่แอปทิ้งไว้ในโฟลเดอร์การตั้งค่า แคช และข้อมูล</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>ยังไม่ได้เปิดการเข้าถึงดิสก์เต็มรูปแบบ จึงไม่ได้ตรวจข้อมูลในคอนเทนเนอร์แซนด์บ็อกซ์</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>กำลังย้าย…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>กำลังชั่งน้ำหนักแอป…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>ตามขนาด</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>ไม่ได้ใช้นานสุด</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>ค้นหาแอป</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>รูปภาพและสื่อ</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>เอกสารและดาวน์โหลด</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>โปรเจกต์และโค้ด</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode และการพัฒนา iOS</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>โมเดล AI ในเครื่อง</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>แคชแพ็กเกจ</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>ประวัติแชต</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>ข้อมูลสำรองและเฟิร์มแวร์ iPhone</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>แอปพลิเคชัน</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>แคชของแอป</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>ถังขยะ</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>ไฟล์ระหว่างการ build จะสร้างใหม่เองเมื่อ build ครั้งถัดไป ข้ามไปหาก Xcode เปิดอยู่</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>แคชของซิมูเลเตอร์</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>แคชของ CoreSimulator และไฟล์ชั่วคราวของซิมูเลเตอร์แต่ละตัว จะสร้างใหม่เมื่อจำเป็น</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>ไฟล์ Device Support เก่า</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>ไฟล์สัญลักษณ์ที่อุปกรณ์ซึ่งเคยเชื่อมต่อทิ้งไว้ เก็บไว้ 2 ชุดล่าสุดของแต่ละเวอร์ชันระบบ ที่เหลือลบทิ้ง อุปกรณ์เก่าจะคัดลอกมาใหม่เมื่อเชื่อมต่ออีกครั้ง</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>แคชของ Xcode</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>โฟลเดอร์แคชของ Xcode เอง</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>แคชของเบราว์เซอร์</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>แคชเว็บของ Chrome, Chromium, Edge, Brave และ Firefox ไม่แตะคุกกี้ ประวัติ และรหัสผ่าน ข้ามไปหากเบราว์เซอร์เปิดอยู่</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>แคชของ npm</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>แคชดาวน์โหลดของ npm จะดาวน์โหลดใหม่เมื่อติดตั้งแพ็กเกจ</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>แคชของ Yarn</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>แคชดาวน์โหลดของ Yarn</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>แคชของ Bun</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>แคชการติดตั้งของ Bun</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>แคชของ pip</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>แคชดาวน์โหลดของแพ็กเกจ Python</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>แคชดาวน์โหลดของ Homebrew</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>ตัวติดตั้งที่ดาวน์โหลดไว้ brew จะดาวน์โหลดใหม่เมื่อจำเป็น ดัชนี API ยังเก็บไว้</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>แคชของ CocoaPods</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>แคชดาวน์โหลดของ Pod</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>แคชของ SwiftPM</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>แคชดาวน์โหลดของ Swift Package</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>แคช build ของ Go</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>แคชของ go build จะสร้างใหม่เมื่อ build ครั้งถัดไป</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>ไฟล์ชั่วคราวของ Gradle</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>ล็อกของ daemon, แคช build และการแจ้งเตือนของ Gradle ไม่แตะคลัง dependency ข้ามไปหาก Gradle กำลังทำงาน</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>แคชของเครื่องมือนักพัฒนาอื่น ๆ</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>แคชของ TypeScript, Vite, ESLint, Prettier, uv, Poetry, Ruff, Cargo, Composer, Android และเครื่องมืออื่น ๆ ซึ่งจะสร้างใหม่เองทั้งหมด</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>ล็อกของผู้ใช้</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>ล็อกและรายงานแครชที่แอปเขียนไว้ ซึ่งปกติไม่มีใครกลับไปดูอีก</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>ตัวติดตั้งเฟิร์มแวร์ iOS</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>ไฟล์เฟิร์มแวร์ .ipsw ที่ดาวน์โหลดมาตอนอัปเดต iPhone หรือ iPad ติดตั้งเสร็จแล้วก็ไม่มีประโยชน์</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>ไฟล์ที่ดาวน์โหลดไม่เสร็จ</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>ไฟล์ .download / .crdownload / .part ที่ดาวน์โหลดค้างในโฟลเดอร์ดาวน์โหลด และไม่ถูกแตะต้องมานานกว่าหนึ่งวัน</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>แคชของ WeChat</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>รูปย่อและแคชเว็บของ WeChat ลบแล้วจะสร้างใหม่เองอัตโนมัติ ไม่แตะประวัติแชต รูปภาพ และไฟล์ ข้ามไปหาก WeChat เปิดอยู่</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>แคชของ LINE</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>แคชของ LINE ลบแล้วจะสร้างใหม่เองอัตโนมัติ ไม่แตะประวัติแชตและอัลบั้ม ข้ามไปหาก LINE เปิดอยู่</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>แคชของ QQ</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>แคชของ QQ ลบแล้วจะสร้างใหม่เองอัตโนมัติ ไม่แตะประวัติแชตและไฟล์ ข้ามไปหาก QQ เปิดอยู่</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>แคชของ Discord</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>แคชเว็บและรูปภาพของ Discord ลบแล้วจะสร้างใหม่เองอัตโนมัติ ข้ามไปหาก Discord เปิดอยู่</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>แคชของ Slack</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>แคชเว็บและรูปภาพของ Slack ลบแล้วจะสร้างใหม่เองอัตโนมัติ ข้ามไปหาก Slack เปิดอยู่</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>แคชของ JianYing / CapCut</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>แคชพรีวิวและไฟล์สื่อที่สร้างระหว่างตัดต่อ จะสร้างใหม่เมื่อเปิดแบบร่างอีกครั้ง ไม่แตะแบบร่างและวิดีโอที่ส่งออกแล้ว ข้ามไปหาก JianYing หรือ CapCut เปิดอยู่</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>dependency และไฟล์ build ของโปรเจกต์เก่า</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>node_modules, target, .build, Pods, .venv ฯลฯ ของโปรเจกต์ในโฟลเดอร์โค้ดที่ไม่ถูกแตะต้องมา 7 วัน ไม่แตะไฟล์ที่ git ติดตามอยู่ ลบแล้วต้องติดตั้ง dependency ใหม่</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>ล้างแคชของแอปภายนอกทั้งหมด</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>แคชของแอปต่าง ๆ จะข้ามแคชของแอปที่กำลังทำงาน ส่วนประกอบของระบบ และตัวจัดการรหัสผ่าน หลังลบแอปจะช้าลงสักพัก</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>คลังเนื้อหาส่วนกลางของ pnpm โปรเจกต์ที่มีอยู่ยังใช้ได้ แต่การติดตั้งครั้งถัดไปจะต้องดาวน์โหลดใหม่</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>อาร์ไคฟ์ที่แพ็กไว้ ลบแล้วจะส่งออกหรืออัปโหลดใหม่จากอาร์ไคฟ์เหล่านี้ไม่ได้อีก</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>ข้อมูลสำรอง iPhone / iPad</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>ข้อมูลสำรองของอุปกรณ์ที่เก็บไว้ในเครื่อง ลบแล้วเอาคืนไม่ได้</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>ล้างถังขยะ</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>ทุกอย่างในถังขยะจะถูกลบถาวร</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>รูปภาพและวิดีโอใน WeChat ที่เก่ากว่า 3 เดือน</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>รูปภาพ วิดีโอ และไฟล์ที่ได้รับในแชตเมื่อกว่า 3 เดือนก่อน ลบแล้ว WeChat จะแสดงว่าหมดอายุ และส่วนใหญ่ดาวน์โหลดใหม่ไม่ได้ ข้ามไปหาก WeChat เปิดอยู่</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>สื่อที่ดาวน์โหลดใน Telegram</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>สำเนาในเครื่องของรูปภาพและวิดีโอที่เคยดูใน Telegram อันที่ยังอยู่บนคลาวด์ดาวน์โหลดใหม่ได้ แต่อันที่มาจากแชตลับจะเอาคืนไม่ได้ ข้ามไปหาก Telegram เปิดอยู่</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>ตัวติดตั้งเก่าในโฟลเดอร์ดาวน์โหลด</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>ไฟล์ .deb และ .rpm ในโฟลเดอร์ดาวน์โหลดที่ไม่ถูกแตะต้องมานานกว่าสองสัปดาห์ พอติดตั้งซอฟต์แวร์แล้ว ตัวติดตั้งก็มักไม่มีประโยชน์อีก</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>รันไทม์ของซิมูเลเตอร์</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>อิมเมจซิมูเลเตอร์ของแต่ละเวอร์ชันระบบ มักใหญ่ถึง 8 G จะติ๊กไว้ให้โดยค่าเริ่มต้นถ้าไม่ได้ใช้มา 60 วัน ไม่มีอุปกรณ์ใช้อยู่ และไม่ใช่เวอร์ชันล่าสุด ถ้าต้องใช้อีกก็ดาวน์โหลดใหม่จาก Xcode ได้</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>อุปกรณ์ซิมูเลเตอร์</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>แอปและข้อมูลที่อยู่ในซิมูเลเตอร์แต่ละเครื่อง จะติ๊กไว้ให้โดยค่าเริ่มต้นถ้าไม่ได้เปิดมา 90 วัน หรือรันไทม์ถูกลบไปแล้ว</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>อาร์ไคฟ์ของ Xcode</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>จัดกลุ่มตามแอป แต่ละแอปจะเก็บ 2 อาร์ไคฟ์ล่าสุดไว้โดยค่าเริ่มต้น อาร์ไคฟ์ที่ลบแล้วจะส่งออกหรืออัปโหลดใหม่ไม่ได้</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>Xcode หลายตัว</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>ติดตั้ง Xcode ไว้มากกว่าหนึ่งตัว จะไม่ติ๊กไว้ให้ แน่ใจแล้วว่าไม่ใช้ค่อยย้ายไปถังขยะ</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>อิมเมจระบบและอีมูเลเตอร์ จะติ๊กอีมูเลเตอร์ที่ไม่ถูกแตะต้องมา 90 วันไว้ให้โดยค่าเริ่มต้น อิมเมจดาวน์โหลดใหม่ด้วย SDK Manager ได้เมื่อต้องใช้</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker และเครื่องเสมือน</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>ไฟล์ดิสก์ของคอนเทนเนอร์และเครื่องเสมือน ตรงนี้แค่แสดงขนาดให้ดู เมื่อ Docker ทำงานอยู่ จะล้างอิมเมจและคอนเทนเนอร์ที่ไม่ได้ใช้ได้ในคลิกเดียว</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>โปรเจกต์ที่ไม่ได้แตะมานาน</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>โปรเจกต์ที่ไม่ได้แก้ไขมา 90 วัน จะล้างเฉพาะ dependency และไฟล์ build (node_modules, target, Pods…) ไม่แตะโค้ด และไม่แตะไฟล์ที่ git ติดตามอยู่</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>ไฟล์ซ้ำ</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>ไฟล์ที่เนื้อหาเหมือนกันทุกประการ (เทียบกันทีละไบต์แล้ว) แต่ละกลุ่มจะเก็บไฟล์ที่เก่าที่สุดไว้โดยค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>ตัวติดตั้งเก่า</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>ไฟล์ .deb, .rpm, .zip, .iso ในโฟลเดอร์ดาวน์โหลดที่เก่ากว่า 30 วัน ติดตั้งเสร็จแล้วก็มักไม่ต้องใช้อีก</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>ไม่ได้เปิดมานานกว่าหนึ่งปี</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>ไฟล์ที่ใหญ่กว่า 100 M และไม่ได้เปิดหรือแก้ไขมานานกว่าหนึ่งปี จะไม่ติ๊กไว้ให้ ลองดูก่อนค่อยตัดสินใจ</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>ไฟล์ขนาดใหญ่</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>ไฟล์ตั้งแต่ 500 M ขึ้นไป เรียงตามขนาด จะไม่ติ๊กไว้ให้</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>ระบบและอื่น ๆ</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>พื้นที่ว่างหลังล้างรายการที่เลือก
(ตอนนี้ %1 · พื้นที่พักไฟล์ %2)</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>พื้นที่ว่างหลังล้างรายการที่เลือก
(ตอนนี้ %1)</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>สะอาดมาก ไม่พบอะไรที่ต้องล้าง ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>กำลังเตรียมสแกน…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>ล้างได้ %1 ในจำนวนนี้ %2 ลบได้อย่างปลอดภัย</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>กำลังสแกน "%1" ใหม่…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>กำลังค้นดู "%1"…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>กำลังล้าง "%1"… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>กำลังล้าง รอสักครู่ 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>ล้าง %n รายการที่เลือก</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>เลือกเยลลี่ที่จะล้าง</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>สแกนเสร็จแล้วจึงจะล้างได้</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>กำลังล้าง…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

จะพักไว้ในพื้นที่พักไฟล์ก่อน กู้คืนได้ภายใน 7 วัน หลังจากนั้นจะถูกลบเอง</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

ไฟล์จะถูกลบทันทีโดยไม่ผ่านถังขยะ</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>เลือกแล้ว %1 / %2</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>ไม่เลือกเลย</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>พื้นที่พักไฟล์ %1 · กู้คืนได้ภายใน 7 วัน</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>บีบอัดแล้ว</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>แคชไฟล์</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>ว่าง</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>ย้าย %1 ไปถังขยะไม่สำเร็จ</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> ย้ายไปถังขยะแล้ว · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>มี %n รายการที่ย้ายไม่ได้เพราะไม่มีสิทธิ์ ลากไปถังขยะเองได้ในตัวจัดการไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>จะได้พื้นที่คืนหลังล้างถังขยะ ถ้าเปลี่ยนใจก็นำกลับมาจากถังขยะได้</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>ลบ </translation>
    </message>
    <message>
        <source>？</source>
        <translation> ที่เพิ่งถอนการติดตั้งออกอย่างถาวรไหม?</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>จะลบเฉพาะ </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation> ที่ย้ายไปถังขยะครั้งนี้ ของอื่นในถังขยะจะไม่ถูกแตะต้อง ลบแล้วจะนำกลับมาไม่ได้</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>ลบถาวร</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>%n รายการตกค้าง</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>กำลังชั่งน้ำหนักแอป… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>แอปที่ไม่ได้เปิดนานที่สุดอยู่ด้านบน พวกนี้คุ้มที่สุดที่จะถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>คลิกแอปเพื่อดูว่ามันเก็บอะไรไว้ในเครื่องมากแค่ไหน การถอนการติดตั้งจะย้ายแอปไปถังขยะ จึงนำกลับมาได้</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>%n แอป
รวมไฟล์ตกค้าง</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>เวอร์ชัน %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 กำลังทำงานอยู่ ปิดก่อนแล้วค่อยถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>ตัวช่วยเบื้องหลังของ %1 ยังทำงานอยู่ ปิดก่อนแล้วค่อยถอนการติดตั้ง</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>อีก %n แอป</numerusform>
        </translation>
    </message>
</context>
</TS>
