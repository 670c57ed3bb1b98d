<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>Chưa dùng lần nào</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>Dùng hôm nay</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>Dùng %n ngày trước</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>Đã %n tháng không dùng</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>Hơn một năm không dùng</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>Cài đặt…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>Kiểm tra bản cập nhật…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>Dọn dẹp</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>Quét lại</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>Mở cài đặt "Toàn quyền truy cập ổ đĩa"…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>Đã có Sorbeta %1</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>Bạn đang dùng bản %1. Hãy tải bản mới từ trang tải xuống.</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>Mở trang tải xuống</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>Bạn đang dùng bản mới nhất</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>Sorbeta %1 là phiên bản mới nhất hiện nay.</translation>
    </message>
    <message>
        <source>好</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>Không kiểm tra được bản cập nhật</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>Không kết nối được máy chủ cập nhật, lát nữa thử lại nhé.</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>Đang quét ổ đĩa…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>Giải phóng ngay</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>Đã giải phóng </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> bộ nhớ</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>Đã xoá bộ nhớ đệm tệp, hệ thống sẽ dần lưu đệm lại khi cần</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>Ổ đĩa sắp đầy</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>Chỉ còn trống %1. Mở Sorbeta để xem có thể dọn những gì.</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>Bộ nhớ đang rất căng</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>Hãy tắt vài ứng dụng không dùng, hoặc giải phóng bộ nhớ trong Sorbeta.</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>Đã tự động dọn %1</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>Ảnh hệ thống · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>Trình giả lập · sửa lần cuối </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>Image và container Docker không còn dùng</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>Có vẻ
không cần</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>Những thứ chiếm chỗ lớn ẩn trong trình giả lập và SDK Android, Docker và các dự án cũ.</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>Đang lục tìm trình giả lập, máy ảo và các dự án cũ…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>Không thấy tệp lớn nào do công cụ lập trình để lại ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>Các tệp được chuyển vào Thùng rác, còn thư viện phụ thuộc của dự án bị xoá luôn (cài lại là có lại).</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>Có thể
không cần</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>Tệp lớn trong Tải xuống, Tài liệu, Màn hình nền và Video, tệp lâu rồi không mở, tệp trùng lặp và bộ cài cũ.</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>Đang lục tìm tệp của bạn…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>Không thấy tệp lớn nào rõ ràng là thừa ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>Tệp đã chọn sẽ được chuyển vào Thùng rác, vẫn có thể khôi phục từ đó.</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>Dùng lần cuối %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>Không rõ lần dùng cuối</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · runtime đã bị xoá</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>Có thiết bị đang dùng</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>%n thiết bị</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>Sửa lần cuối </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>Mở lần cuối </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · Giữ lại bản này (cũ nhất)</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · Giống hệt %2</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>%1 vẫn đang mở</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>Cần thoát các ứng dụng này trước khi dọn:
%1

Nhớ lưu lại công việc đang làm trước khi thoát.</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>Thoát và dọn</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>Chưa dọn</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>Bỏ qua các mục này</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Huỷ</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>Ổ đĩa</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Theo hệ thống</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>Không khởi động được pkexec (cần cài gói pkexec trước)</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>Không thành công: </translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Máy tính Linux</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>Bộ xử lý không rõ</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>Dữ liệu ứng dụng</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>Dữ liệu và cài đặt nó lưu</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>Bộ nhớ đệm</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>Tệp tạm, xoá cũng không sao</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Tuỳ chọn</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>Cài đặt của nó</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>Vùng chứa sandbox</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>Toàn bộ dữ liệu của nó trong sandbox</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>Trạng thái cửa sổ</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>Vị trí cửa sổ lần mở trước</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Nhật ký</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>Ghi chép hoạt động</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>Dữ liệu web</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>Bộ nhớ đệm web và thông tin đăng nhập</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>Mục khởi động</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>Trình trợ giúp tự chạy khi đăng nhập</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Khác</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>Các tệp sót lại khác</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>vừa xong</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>%n giây trước</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>%n phút trước</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>%n giờ trước</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>hôm qua</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>%n ngày trước</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>tuần trước</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>%n tuần trước</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>tháng trước</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>%n tháng trước</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>năm ngoái</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>%n năm trước</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>Hiện trong trình quản lý tệp</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>Mở ra xem</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>Tổng %1</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>Dung lượng trống %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>Hệ thống, dữ liệu ứng dụng và các tệp chưa phân loại khác %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
Bấm chấm tròn ở góc trên bên phải để chọn, bấm vào thạch để xem bên trong</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1 chiếm tổng cộng %2; các viên thạch nhỏ bên cạnh có thể dọn, phần này là %3 còn lại
Bấm để xem bên trong có gì</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · %2 kể cả phần sót lại
Bấm để xem nó để lại những gì</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>Mở ra xem ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>Bỏ chọn</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>Chọn để dọn sau</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>Phiên bản %1 (%2)</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>Hiện tại %1</translation>
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
        <translation>Kéo vào danh sách "Toàn quyền truy cập ổ đĩa"</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>Kéo tôi</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>Trao cho Sorbeta một chiếc chìa khoá</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>Bật "Toàn quyền truy cập ổ đĩa" một lần, hệ thống sẽ không hỏi bạn từng thư mục nữa.
Sorbeta chỉ đọc kích thước tệp, và chỉ xoá những gì chính bạn đánh dấu.</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>Mở Cài đặt hệ thống</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>Bấm nút kẹo bên dưới</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>Bật công tắc của Sorbeta</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>Nếu không có trong danh sách,
hãy kéo biểu tượng bên phải vào</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>Thoát rồi mở lại</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>Bấm vào khi hệ thống hỏi,
quay lại là xong</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>Bỏ qua vẫn dùng được: tạm thời chưa quét ảnh, nhạc, tài liệu, tải xuống và dữ liệu ứng dụng trò chuyện, bật lại lúc nào cũng được.</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>Mở lại lần nữa</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>Đang chờ bạn bật công tắc… bật xong sẽ tự tiếp tục</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>Có chìa khoá rồi!</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>Bắt đầu quét ngay</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>Chưa tính ảnh, tài liệu, tải xuống…</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>Bật ngay ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n mục</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>còn %n ngày</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Khôi phục</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Xoá</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>Khu tạm giữ</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>Những gì đã dọn trong 7 ngày qua được giữ ở đây và tự xoá khi hết hạn. Muốn có chỗ trống ngay thì xoá luôn.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>Khu tạm giữ đang trống 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>Đã khôi phục %n mục</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>%n mục vẫn nằm trong khu tạm giữ vì chỗ cũ đã có tệp mới</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n mục không đưa về chỗ cũ được nên vẫn nằm trong khu tạm giữ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n mục không xóa được nên vẫn nằm trong khu tạm giữ</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>Đã giải phóng %1 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>Dọn an toàn</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>Không thấy bộ nhớ đệm nào xoá được an toàn</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>Xem lại rồi dọn</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>Không có mục nào cần xác nhận</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>Để nghĩ thêm</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>Đã chuyển đi %1</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>Đã giải phóng %1</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>Ứng dụng vẫn đang mở nên lần này bỏ qua: %1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>Lần này không dọn được gì, các tệp vẫn ở nguyên chỗ cũ</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>Có %n mục không dọn được, vẫn ở nguyên chỗ cũ</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>Được giữ 7 ngày trong khu tạm giữ, đổi ý thì vẫn khôi phục được</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>Ổ đĩa đã nhẹ đi một chút</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>Chia sẻ thành tích</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>Tuyệt!</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>Thạch</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>Danh sách</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>Nên dọn</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>%n mục khác</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>Chuyển sang danh sách để xem hết</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n mục · đã chọn %1</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>Đang xử lý…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>Dọn %n mục đã chọn · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>Dọn %n mục, tổng cộng %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>Đã giải phóng %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>%n mục không xoá được</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>Bấm vào thạch để chọn, chuột phải để hiện trong trình quản lý tệp</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>Ở đây trống trơn, hoặc không có quyền xem</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>Quay lại (Esc)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tất cả</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>Đang đo "%1"…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>Trong khoảng thời gian này không có gì lớn lên đáng kể</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>Mỗi lần quét, Sorbeta đều ghi lại; vài ngày là thấy ngay thứ gì đang âm thầm phình to</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1 ngày</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7 ngày</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30 ngày</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>Dung lượng đã giải phóng
trong khoảng này</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>Dung lượng dùng thêm
trong khoảng này</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>Sau lần quét đầu tiên, mỗi ngày Sorbeta sẽ ghi lại một lần để bạn thấy dung lượng đã đi đâu.</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>Bắt đầu ghi từ %1, mai quay lại là thấy thay đổi.</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>So với %1</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>Lớn lên</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>Nhỏ đi</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>Khoảng thời gian này không có thay đổi đáng kể 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>Dung lượng đã dùng</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>Trống</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>Bộ nhớ</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>Giải phóng bộ nhớ</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>Mở Sorbeta</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>Dọn %1 an toàn</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>Quét ổ đĩa</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>Đang quét…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>Tự động dọn: %n quy tắc</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>Tự động dọn đang tắt</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>Tự động dọn lần cuối: %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>Gỡ cài đặt</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>Lập trình</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>Thay đổi</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>Sorbeta đọc tệp bằng chính quyền của tài khoản bạn: tài liệu, tệp tải xuống, ảnh và dữ liệu ứng dụng trò chuyện mà bạn mở được đều được tính vào, không cần cấp thêm quyền gì.</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>Đọc được mọi tệp của bạn</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>Có thư mục không đọc được</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>Kiểm tra lần cuối: </translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>Tự động kiểm tra bản cập nhật</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>Khi có phiên bản mới, Sorbeta sẽ báo cho bạn và mở trang tải xuống chỉ với một cú bấm.</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>Kiểm tra ngay</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>Công cụ dọn máy tính phong cách thạch rực rỡ</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>Sau khi đóng cửa sổ, Sorbeta vẫn ở lại trên khay hệ thống và cứ 30 phút xem qua một lần. Chỉ tự động dọn bộ nhớ đệm có thể tự tạo lại, và bỏ qua khi ứng dụng liên quan đang mở.</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>Máy này không có khay hệ thống, nên Sorbeta thoát khi bạn đóng cửa sổ và chỉ xem qua mỗi 30 phút khi cửa sổ đang mở. Chỉ tự động dọn bộ nhớ đệm có thể tự tạo lại, và bỏ qua khi ứng dụng liên quan đang mở.</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>Sau khi đổi ngôn ngữ, Sorbeta sẽ tự mở lại một lần.</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Ngôn ngữ giao diện</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>Hiệu ứng âm thanh thạch</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>Giữ những gì dọn thủ công trong 7 ngày để có thể khôi phục</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>Tự khởi động khi đăng nhập</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>Mỗi ngày tự ghi lại thay đổi dung lượng</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>Nhắc tôi khi dung lượng trống dưới %1 G</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>Nhắc nhở sẽ hiện dưới dạng thông báo của hệ thống.</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>Nhắc tôi khi bộ nhớ căng</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Nhắc nhở</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>Tự động dọn</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>Quyền truy cập</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>Tôi đã giải phóng cho máy tính</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>Dọn chỗ cho máy cùng Sorbeta</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>Đã dọn %n mục · Trống %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Lưu ảnh</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>Thành tích dọn dẹp</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>Lưu lại rồi đăng lên Xiaohongshu, Instagram, hoặc dùng "Chia sẻ…" để gửi sang ứng dụng khác.</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>Không lưu được ảnh</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>Đã lưu vào "%1"</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>Đã sao chép, có thể dán ngay</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>Mở bằng ứng dụng mặc định</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>Sao chép ảnh</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>Chia sẻ…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>Thoát </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>Ứng dụng tốn bộ nhớ nhất</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>Giải phóng bộ nhớ</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>Giải phóng bộ nhớ?</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>Giải phóng</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>Thôi</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>Hệ thống</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>Thời gian chạy</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>Bộ xử lý</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>Bộ nhớ swap</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>Đang giải phóng…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>Bộ nhớ đã dùng</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>Bộ nhớ đang rất căng, tắt vài ứng dụng không dùng sẽ đỡ hơn nhiều 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>Bộ nhớ hơi căng, xem bên phải ứng dụng nào tốn nhất</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>Bộ nhớ còn dư dả, máy đang chạy tốt ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n ngày</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n giờ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n phút</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n phút</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%n lõi</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>tải %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>Trống </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · đang sạc</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · đang cắm nguồn</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>%n chu kỳ sạc</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>Chưa dùng đến</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>Đã dùng </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>Bộ nhớ đệm có thể thu hồi: </translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>Nhân hệ thống sẽ bỏ bộ nhớ đệm tệp, cần nhập mật khẩu quản trị (do hệ thống hỏi, Sorbeta không nhìn thấy).</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>Vài phút sau đó mở tệp sẽ chậm hơn một chút trong lúc hệ thống lưu đệm lại.</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>sẽ chuyển vào Thùng rác</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>Thoát ứng dụng</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>Chuyển %1 và các phần sót lại đã chọn vào Thùng rác?</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>Tổng %n mục, %1. Vẫn có thể khôi phục từ Thùng rác.</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>Chuyển vào Thùng rác</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>Bản thân ứng dụng</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>Không thấy nó để lại gì trong các thư mục cài đặt, bộ nhớ đệm và dữ liệu</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>Chưa bật toàn quyền truy cập ổ đĩa nên chưa kiểm tra dữ liệu trong vùng chứa sandbox</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>Đang chuyển…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>Đang cân ứng dụng…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>Theo dung lượng</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>Lâu chưa dùng</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>Tìm ứng dụng</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>Ảnh và đa phương tiện</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>Tài liệu và tải xuống</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>Dự án và mã nguồn</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode và phát triển iOS</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>Mô hình AI cục bộ</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>Bộ nhớ đệm gói phụ thuộc</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>Lịch sử trò chuyện</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>Bản sao lưu iPhone và firmware</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>Bộ nhớ đệm ứng dụng</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>Thùng rác</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>Sản phẩm trung gian khi biên dịch, lần biên dịch sau sẽ tự tạo lại. Bỏ qua khi Xcode đang mở.</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>Bộ nhớ đệm trình mô phỏng</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>Bộ nhớ đệm của CoreSimulator và tệp tạm của từng trình mô phỏng, sẽ tạo lại khi cần.</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>Tệp hỗ trợ thiết bị cũ</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>Tệp ký hiệu do các thiết bị từng kết nối để lại. Mỗi phiên bản hệ thống giữ 2 bản mới nhất, còn lại xoá đi; thiết bị cũ kết nối lại sẽ sao chép lại.</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>Bộ nhớ đệm Xcode</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>Các thư mục bộ nhớ đệm của chính Xcode.</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>Bộ nhớ đệm trình duyệt</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Bộ nhớ đệm web của Chrome, Chromium, Edge, Brave, Firefox. Không động đến cookie, lịch sử duyệt web và mật khẩu. Bỏ qua khi trình duyệt đang mở.</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>Bộ nhớ đệm npm</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>Bộ nhớ đệm tải xuống của npm, khi cài gói sẽ tải lại.</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>Bộ nhớ đệm Yarn</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>Bộ nhớ đệm tải xuống của Yarn.</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>Bộ nhớ đệm Bun</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>Bộ nhớ đệm cài đặt của Bun.</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>Bộ nhớ đệm pip</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>Bộ nhớ đệm tải xuống của các gói Python.</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>Bộ nhớ đệm tải xuống của Homebrew</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>Các gói cài đặt đã tải, brew sẽ tải lại khi cần. Chỉ mục API được giữ lại.</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>Bộ nhớ đệm CocoaPods</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>Bộ nhớ đệm tải xuống của các pod.</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>Bộ nhớ đệm SwiftPM</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>Bộ nhớ đệm tải xuống của các gói Swift.</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>Bộ nhớ đệm biên dịch Go</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>Bộ nhớ đệm của go build, lần biên dịch sau sẽ tạo lại.</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>Tệp tạm của Gradle</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>Nhật ký tiến trình nền, bộ nhớ đệm biên dịch và thông báo của Gradle. Không động đến kho thư viện phụ thuộc. Bỏ qua khi Gradle đang chạy.</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>Bộ nhớ đệm của công cụ lập trình khác</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>Bộ nhớ đệm của TypeScript, Vite, ESLint, Prettier, uv, Poetry, Ruff, Cargo, Composer, Android và các công cụ khác, đều sẽ tự tạo lại.</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>Nhật ký người dùng</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>Nhật ký và báo cáo sự cố do ứng dụng ghi ra, thường chẳng ai đọc lại.</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>Gói firmware iOS</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>Các tệp firmware .ipsw tải về khi cập nhật iPhone hoặc iPad, cài xong là hết tác dụng.</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>Tệp tải chưa xong</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>Các tệp .download / .crdownload / .part bị gián đoạn trong thư mục Tải xuống, đã hơn một ngày không động đến.</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>Bộ nhớ đệm WeChat</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>Ảnh thu nhỏ và bộ nhớ đệm web của WeChat, xoá đi sẽ tự tạo lại. Không động đến lịch sử trò chuyện, ảnh và tệp. Bỏ qua khi WeChat đang mở.</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>Bộ nhớ đệm LINE</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>Bộ nhớ đệm của LINE, xoá đi sẽ tự tạo lại. Không động đến lịch sử trò chuyện và album. Bỏ qua khi LINE đang mở.</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>Bộ nhớ đệm QQ</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>Bộ nhớ đệm của QQ, xoá đi sẽ tự tạo lại. Không động đến lịch sử trò chuyện và tệp. Bỏ qua khi QQ đang mở.</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>Bộ nhớ đệm Discord</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>Bộ nhớ đệm web và hình ảnh của Discord, xoá đi sẽ tự tạo lại. Bỏ qua khi Discord đang mở.</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>Bộ nhớ đệm Slack</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>Bộ nhớ đệm web và hình ảnh của Slack, xoá đi sẽ tự tạo lại. Bỏ qua khi Slack đang mở.</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>Bộ nhớ đệm JianYing / CapCut</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>Bản xem trước và bộ nhớ đệm tư liệu tạo ra khi dựng video, mở lại bản nháp sẽ tạo lại. Không động đến bản nháp và video đã xuất. Bỏ qua khi JianYing hoặc CapCut đang mở.</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>Thư viện phụ thuộc và sản phẩm biên dịch của dự án cũ</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>node_modules, target, .build, Pods, .venv… của các dự án trong thư mục mã nguồn đã 7 ngày không động đến. Không động đến những gì git đang theo dõi. Xoá xong cần cài lại thư viện phụ thuộc.</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>Dọn sạch bộ nhớ đệm ứng dụng bên thứ ba</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>Bộ nhớ đệm của các ứng dụng. Bỏ qua bộ nhớ đệm của ứng dụng đang chạy, thành phần hệ thống và trình quản lý mật khẩu. Xoá xong ứng dụng sẽ chậm một lúc.</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>Kho nội dung toàn cục của pnpm. Dự án hiện có vẫn chạy được, nhưng lần cài sau phải tải lại.</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>Các bản archive đã đóng gói. Xoá rồi thì không thể xuất hay tải lên lại từ các bản này nữa.</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>Bản sao lưu iPhone / iPad</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>Bản sao lưu cục bộ của thiết bị, xoá rồi là không lấy lại được.</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>Dọn sạch Thùng rác</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>Mọi thứ trong Thùng rác sẽ bị xoá vĩnh viễn.</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>Ảnh và video WeChat cũ hơn 3 tháng</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>Ảnh, video và tệp nhận được trong các cuộc trò chuyện từ hơn 3 tháng trước. Xoá xong WeChat sẽ báo đã hết hạn, phần lớn không tải lại được. Bỏ qua khi WeChat đang mở.</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>Đa phương tiện đã tải trong Telegram</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>Bản sao cục bộ của ảnh và video đã xem trong Telegram. Những gì còn trên đám mây có thể tải lại, còn trong trò chuyện bí mật thì không lấy lại được. Bỏ qua khi Telegram đang mở.</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>Bộ cài cũ trong Tải xuống</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>Các gói .deb và .rpm trong thư mục Tải xuống đã hơn hai tuần không động đến. Cài phần mềm xong thì bộ cài thường không còn tác dụng.</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>Runtime trình mô phỏng</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>Ảnh trình mô phỏng cho từng phiên bản hệ thống, mỗi cái thường tới 8 G. Mặc định đánh dấu những cái 60 ngày không dùng, không có thiết bị nào dùng và không phải bản mới nhất; xoá rồi cần thì tải lại từ Xcode.</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>Thiết bị mô phỏng</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>Ứng dụng và dữ liệu trong từng thiết bị mô phỏng. Mặc định đánh dấu những cái 90 ngày chưa mở, và những cái có runtime đã bị xoá.</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>Bản archive Xcode</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>Nhóm theo ứng dụng, mỗi ứng dụng mặc định giữ lại 2 bản archive mới nhất. Bản archive đã xoá không thể xuất hay tải lên lại.</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>Nhiều bản Xcode</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>Đang cài nhiều hơn một bản Xcode. Mặc định không đánh dấu; khi chắc chắn không dùng nữa hãy chuyển vào Thùng rác.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>Ảnh hệ thống và trình giả lập. Mặc định đánh dấu các trình giả lập 90 ngày không động đến; ảnh hệ thống khi cần có thể tải lại bằng SDK Manager.</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker và máy ảo</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>Tệp đĩa của container và máy ảo. Ở đây chỉ giúp bạn xem dung lượng; khi Docker đang chạy có thể dọn image và container không dùng chỉ với một cú bấm.</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>Dự án lâu không đụng tới</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>Dự án 90 ngày không sửa: chỉ dọn thư viện phụ thuộc và sản phẩm biên dịch (node_modules, target, Pods…), không động đến mã nguồn, cũng không động đến những gì git đang theo dõi.</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>Tệp trùng lặp</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>Các tệp có nội dung giống hệt nhau (đã so sánh từng byte). Mỗi nhóm mặc định giữ lại bản cũ nhất.</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>Bộ cài cũ</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>Các tệp .deb, .rpm, .zip, .iso trong thư mục Tải xuống từ hơn 30 ngày trước, cài xong thường không cần nữa.</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>Hơn một năm chưa mở</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>Tệp trên 100 M, hơn một năm không mở cũng không sửa. Mặc định không đánh dấu, hãy xem qua rồi quyết định.</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>Tệp lớn</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>Tệp từ 500 M trở lên, xếp theo dung lượng. Mặc định không đánh dấu.</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>Hệ thống và khác</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>Dung lượng trống sau khi dọn mục đã chọn
(hiện tại %1, khu tạm giữ %2)</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>Dung lượng trống sau khi dọn mục đã chọn
(hiện tại %1)</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>Rất sạch sẽ, không có gì cần dọn ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>Chuẩn bị quét…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>Có thể dọn %1, trong đó %2 xoá an toàn.</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>Đang quét lại "%1"…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>Đang xem "%1"…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>Đang dọn "%1"… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>Đang dọn, đợi chút nhé 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>Dọn %n mục đã chọn</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>Chọn vài viên thạch để dọn</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>Quét xong là dọn được</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>Đang dọn…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

Các mục sẽ được đưa vào khu tạm giữ trước, có thể khôi phục trong 7 ngày, sau đó tự xoá.</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

Các tệp sẽ bị xoá thẳng, không qua Thùng rác.</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>Đã chọn %1 / %2</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Bỏ chọn hết</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Chọn hết</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>Khu tạm giữ %1 · khôi phục được trong 7 ngày</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>Hệ thống</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>Đã nén</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>Bộ nhớ đệm tệp</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Trống</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>Không thể chuyển %1 vào Thùng rác</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> đã được chuyển vào Thùng rác · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>Có %n mục không có quyền chuyển đi, bạn có thể tự kéo vào Thùng rác trong trình quản lý tệp</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>Dọn sạch Thùng rác mới thực sự có thêm chỗ trống; đổi ý thì vào Thùng rác khôi phục lại</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>Xoá vĩnh viễn </translation>
    </message>
    <message>
        <source>？</source>
        <translation> vừa gỡ cài đặt?</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>Chỉ xoá </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation> vừa chuyển vào Thùng rác lần này, những thứ khác trong Thùng rác vẫn giữ nguyên. Đã xoá thì không khôi phục được nữa.</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>Xoá vĩnh viễn</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>%n phần sót lại</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>Đang cân ứng dụng… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>Ứng dụng lâu chưa mở nhất xếp lên đầu, đây là những cái đáng gỡ nhất.</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>Bấm vào một ứng dụng để xem nó chiếm bao nhiêu chỗ trên máy. Gỡ cài đặt sẽ chuyển vào Thùng rác, vẫn khôi phục được.</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>%n ứng dụng
kể cả phần sót lại</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Phiên bản %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 đang chạy, hãy thoát trước khi gỡ cài đặt</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>Trình trợ giúp chạy nền của %1 vẫn đang chạy, hãy thoát trước khi gỡ cài đặt</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>%n ứng dụng khác</numerusform>
        </translation>
    </message>
</context>
</TS>
