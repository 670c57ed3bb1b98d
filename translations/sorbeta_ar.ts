<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>لم يُستخدم قط</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>استُخدم اليوم</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>استُخدم قبل ⁨%n⁩ يوم</numerusform>
            <numerusform>استُخدم قبل ⁨%n⁩ يوم</numerusform>
            <numerusform>استُخدم قبل ⁨%n⁩ يومين</numerusform>
            <numerusform>استُخدم قبل ⁨%n⁩ أيام</numerusform>
            <numerusform>استُخدم قبل ⁨%n⁩ يومًا</numerusform>
            <numerusform>استُخدم قبل ⁨%n⁩ يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>لم يُستخدم منذ ⁨%n⁩ شهر</numerusform>
            <numerusform>لم يُستخدم منذ ⁨%n⁩ شهر</numerusform>
            <numerusform>لم يُستخدم منذ ⁨%n⁩ شهرين</numerusform>
            <numerusform>لم يُستخدم منذ ⁨%n⁩ أشهر</numerusform>
            <numerusform>لم يُستخدم منذ ⁨%n⁩ شهرًا</numerusform>
            <numerusform>لم يُستخدم منذ ⁨%n⁩ شهر</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>لم يُستخدم منذ أكثر من عام</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>التحقق من التحديثات…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>تنظيف</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>إعادة الفحص</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>فتح إعدادات «الوصول الكامل إلى القرص»…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>الإصدار ⁨%1⁩ من Sorbeta متاح الآن</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>تستخدم حاليًا الإصدار ⁨%1⁩. نزّل الإصدار الجديد من صفحة التنزيل.</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>فتح صفحة التنزيل</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>لاحقًا</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>لديك أحدث إصدار</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>الإصدار ⁨%1⁩ من Sorbeta هو أحدث إصدار حاليًا.</translation>
    </message>
    <message>
        <source>好</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>تعذّر التحقق من التحديثات</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>تعذّر الاتصال بخادم التحديثات. حاول مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>جارٍ فحص القرص…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>تحرير المساحة الآن</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>تم تحرير </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> من الذاكرة</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>مُسحت ذاكرة التخزين المؤقت للملفات، وسيعيد النظام بناءها تدريجيًا حسب الحاجة</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>القرص ممتلئ تقريبًا</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>لم يتبقَّ سوى ⁨%1⁩. افتح Sorbeta لترى ما يمكن تنظيفه.</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>الذاكرة تكاد تنفد</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>أغلق بعض التطبيقات التي لا تستخدمها، أو حرّر الذاكرة من Sorbeta.</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>تم تنظيف ⁨%1⁩ تلقائيًا</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>صورة نظام · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>محاكٍ · آخر تعديل </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>الصور والحاويات التي لم يعد Docker يستخدمها</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>يبدو أنها
غير لازمة</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>الملفات الضخمة المختبئة في محاكيات Android وحزم SDK وفي Docker والمشاريع القديمة.</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>جارٍ البحث في المحاكيات والأجهزة الافتراضية والمشاريع القديمة…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>لم تترك أدوات التطوير أي ملفات كبيرة ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>تُنقل الملفات إلى المهملات، أما اعتماديات المشاريع فتُحذف مباشرةً (وتعود بإعادة تثبيتها).</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>ربما
غير لازمة</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>الملفات الكبيرة في التنزيلات والمستندات وسطح المكتب والفيديوهات، والملفات التي لم تُفتح منذ وقت طويل، والملفات المكررة وحزم التثبيت القديمة.</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>جارٍ البحث في ملفاتك…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>لا توجد ملفات كبيرة يبدو أنك لا تحتاجها ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>تُنقل الملفات المحددة إلى المهملات، ويمكنك إعادتها من هناك.</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>آخر استخدام: ⁨%1⁩</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>تاريخ آخر استخدام غير معروف</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>⁨%1⁩ · بيئة التشغيل لم تعد موجودة</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>قيد الاستخدام</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>⁨%n⁩ جهاز</numerusform>
            <numerusform>⁨%n⁩ جهاز</numerusform>
            <numerusform>⁨%n⁩ جهازان</numerusform>
            <numerusform>⁨%n⁩ أجهزة</numerusform>
            <numerusform>⁨%n⁩ جهازًا</numerusform>
            <numerusform>⁨%n⁩ جهاز</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>آخر تعديل </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>آخر فتح </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>⁨%1⁩ · تبقى هذه النسخة (الأقدم)</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>⁨%1⁩ · مطابق تمامًا لـ ⁨%2⁩</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>ما زال مفتوحًا: ⁨%1⁩</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>لتنظيف هذه العناصر يجب إنهاء التطبيقات التالية أولًا:
⁨%1⁩

تذكّر أن تحفظ عملك قبل إنهائها.</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>إنهاء وتنظيف</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>تخطي هذه</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>القرص</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>حسب النظام</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>تعذّر تشغيل pkexec (ثبّت حزمة pkexec أولًا)</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>لم ينجح: </translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>حاسوب Linux</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>معالج غير معروف</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>بيانات التطبيق</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>البيانات والإعدادات التي يحفظها</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>ذاكرة التخزين المؤقت</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>ملفات مؤقتة، حذفها آمن</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>إعداداته</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>الحاوية المعزولة</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>كل ما يحفظه في حاويته المعزولة</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>حالة النوافذ</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>مواضع نوافذه عند آخر فتح</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>السجلات</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>سجلّ لما قام به</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>بيانات الويب</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>ذاكرة التخزين المؤقت للويب وبيانات تسجيل الدخول</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>عنصر بدء التشغيل</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>مساعد يعمل تلقائيًا عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>ملفات متبقية أخرى</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>الآن</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ ثانية</numerusform>
            <numerusform>قبل ⁨%n⁩ ثانية</numerusform>
            <numerusform>قبل ⁨%n⁩ ثانيتين</numerusform>
            <numerusform>قبل ⁨%n⁩ ثوانٍ</numerusform>
            <numerusform>قبل ⁨%n⁩ ثانيةً</numerusform>
            <numerusform>قبل ⁨%n⁩ ثانية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ دقيقة</numerusform>
            <numerusform>قبل ⁨%n⁩ دقيقة</numerusform>
            <numerusform>قبل ⁨%n⁩ دقيقتين</numerusform>
            <numerusform>قبل ⁨%n⁩ دقائق</numerusform>
            <numerusform>قبل ⁨%n⁩ دقيقةً</numerusform>
            <numerusform>قبل ⁨%n⁩ دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ ساعة</numerusform>
            <numerusform>قبل ⁨%n⁩ ساعة</numerusform>
            <numerusform>قبل ⁨%n⁩ ساعتين</numerusform>
            <numerusform>قبل ⁨%n⁩ ساعات</numerusform>
            <numerusform>قبل ⁨%n⁩ ساعةً</numerusform>
            <numerusform>قبل ⁨%n⁩ ساعة</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>أمس</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ يوم</numerusform>
            <numerusform>قبل ⁨%n⁩ يوم</numerusform>
            <numerusform>قبل ⁨%n⁩ يومين</numerusform>
            <numerusform>قبل ⁨%n⁩ أيام</numerusform>
            <numerusform>قبل ⁨%n⁩ يومًا</numerusform>
            <numerusform>قبل ⁨%n⁩ يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>الأسبوع الماضي</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ أسبوع</numerusform>
            <numerusform>قبل ⁨%n⁩ أسبوع</numerusform>
            <numerusform>قبل ⁨%n⁩ أسبوعين</numerusform>
            <numerusform>قبل ⁨%n⁩ أسابيع</numerusform>
            <numerusform>قبل ⁨%n⁩ أسبوعًا</numerusform>
            <numerusform>قبل ⁨%n⁩ أسبوع</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>الشهر الماضي</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ شهر</numerusform>
            <numerusform>قبل ⁨%n⁩ شهر</numerusform>
            <numerusform>قبل ⁨%n⁩ شهرين</numerusform>
            <numerusform>قبل ⁨%n⁩ أشهر</numerusform>
            <numerusform>قبل ⁨%n⁩ شهرًا</numerusform>
            <numerusform>قبل ⁨%n⁩ شهر</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>العام الماضي</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>قبل ⁨%n⁩ عام</numerusform>
            <numerusform>قبل ⁨%n⁩ عام</numerusform>
            <numerusform>قبل ⁨%n⁩ عامين</numerusform>
            <numerusform>قبل ⁨%n⁩ أعوام</numerusform>
            <numerusform>قبل ⁨%n⁩ عامًا</numerusform>
            <numerusform>قبل ⁨%n⁩ عام</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>إظهار في مدير الملفات</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>إلقاء نظرة</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>الإجمالي ⁨%1⁩</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>المساحة الحرة ⁨%1⁩</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>النظام وبيانات التطبيقات والملفات الأخرى غير المصنّفة ⁨%1⁩</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>⁨%1⁩ · ⁨%2⁩
⁨%3⁩
انقر النقطة في الزاوية العلوية لتحديدها، وانقر قطعة الجيلي لترى ما بداخلها</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>يشغل ⁨%1⁩ ما مجموعه ⁨%2⁩، ويمكن تنظيف قطع الجيلي الصغيرة المجاورة، وهذه القطعة هي الباقي ⁨%3⁩
انقر لترى ما بداخلها</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>⁨%1⁩ · ⁨%2⁩ مع البقايا
انقر لترى ما تركه</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>إلقاء نظرة ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>إلغاء التحديد</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>تحديد للتنظيف لاحقًا</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>الإصدار ⁨%1⁩ (⁨%2⁩)</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>الآن ⁨%1⁩</translation>
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
        <translation>اسحبه إلى قائمة «الوصول الكامل إلى القرص»</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>اسحبني</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>أعطِ Sorbeta مفتاحًا</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>فعّل «الوصول الكامل إلى القرص» مرة واحدة، ولن يسألك النظام بعدها عن كل مجلد على حدة.
لا يقرأ Sorbeta إلا أحجام الملفات، ولا يحذف إلا ما تحدده بنفسك.</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>فتح إعدادات النظام</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>اضغط زر الحلوى في الأسفل</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>فعّل مفتاح Sorbeta</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>إن لم يكن في القائمة،
فاسحب الأيقونة المجاورة إليها</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>الإنهاء وإعادة الفتح</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>انقره عندما يسألك النظام،
وبعدها يصبح كل شيء جاهزًا</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>تخطي الآن</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>يعمل Sorbeta دونه أيضًا: لن تُفحص الصور والموسيقى والمستندات والتنزيلات وبيانات تطبيقات الدردشة الآن، ويمكنك تفعيله في أي وقت.</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>فتح مرة أخرى</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>بانتظار تفعيل المفتاح… وستتابع العملية من تلقاء نفسها بعد تفعيله</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>حصلنا على المفتاح!</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>سيبدأ الفحص فورًا</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>الصور والمستندات والتنزيلات وغيرها لم تُحتسب بعد</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>تفعيل ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>⁨%n⁩ عنصر</numerusform>
            <numerusform>⁨%n⁩ عنصر</numerusform>
            <numerusform>⁨%n⁩ عنصران</numerusform>
            <numerusform>⁨%n⁩ عناصر</numerusform>
            <numerusform>⁨%n⁩ عنصرًا</numerusform>
            <numerusform>⁨%n⁩ عنصر</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>يتبقى ⁨%n⁩ يوم</numerusform>
            <numerusform>يتبقى ⁨%n⁩ يوم</numerusform>
            <numerusform>يتبقى ⁨%n⁩ يومان</numerusform>
            <numerusform>تتبقى ⁨%n⁩ أيام</numerusform>
            <numerusform>يتبقى ⁨%n⁩ يومًا</numerusform>
            <numerusform>يتبقى ⁨%n⁩ يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>منطقة الانتظار</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>ما نظّفته خلال آخر 7 أيام ينتظر هنا، ويُحذف تلقائيًا عند انتهاء مدته. احذفه الآن إن أردت تحرير المساحة فورًا.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>منطقة الانتظار فارغة 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>أُعيد ⁨%n⁩ عنصر إلى مكانه</numerusform>
            <numerusform>أُعيد ⁨%n⁩ عنصر إلى مكانه</numerusform>
            <numerusform>أُعيد ⁨%n⁩ عنصران إلى مكانيهما</numerusform>
            <numerusform>أُعيدت ⁨%n⁩ عناصر إلى أماكنها</numerusform>
            <numerusform>أُعيد ⁨%n⁩ عنصرًا إلى أماكنها</numerusform>
            <numerusform>أُعيد ⁨%n⁩ عنصر إلى أماكنها</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>⁨%1⁩، ⁨%2⁩</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>وبقي ⁨%n⁩ عنصر في منطقة الانتظار لأن شيئًا جديدًا حلّ في مكانه الأصلي</numerusform>
            <numerusform>وبقي ⁨%n⁩ عنصر في منطقة الانتظار لأن شيئًا جديدًا حلّ في مكانه الأصلي</numerusform>
            <numerusform>وبقي ⁨%n⁩ عنصران في منطقة الانتظار لأن شيئًا جديدًا حلّ في مكانيهما الأصليين</numerusform>
            <numerusform>وبقيت ⁨%n⁩ عناصر في منطقة الانتظار لأن أشياء جديدة حلّت في أماكنها الأصلية</numerusform>
            <numerusform>وبقي ⁨%n⁩ عنصرًا في منطقة الانتظار لأن أشياء جديدة حلّت في أماكنها الأصلية</numerusform>
            <numerusform>وبقي ⁨%n⁩ عنصر في منطقة الانتظار لأن أشياء جديدة حلّت في أماكنها الأصلية</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>تعذّرت إعادة ⁨%n⁩ عنصر، وبقي في منطقة الانتظار</numerusform>
            <numerusform>تعذّرت إعادة ⁨%n⁩ عنصر، وبقي في منطقة الانتظار</numerusform>
            <numerusform>تعذّرت إعادة ⁨%n⁩ عنصرين، وبقيا في منطقة الانتظار</numerusform>
            <numerusform>تعذّرت إعادة ⁨%n⁩ عناصر، وبقيت في منطقة الانتظار</numerusform>
            <numerusform>تعذّرت إعادة ⁨%n⁩ عنصرًا، وبقيت في منطقة الانتظار</numerusform>
            <numerusform>تعذّرت إعادة ⁨%n⁩ عنصر، وبقيت في منطقة الانتظار</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>تعذّر حذف ⁨%n⁩ عنصر، وبقي في منطقة الانتظار</numerusform>
            <numerusform>تعذّر حذف ⁨%n⁩ عنصر، وبقي في منطقة الانتظار</numerusform>
            <numerusform>تعذّر حذف ⁨%n⁩ عنصرين، وبقيا في منطقة الانتظار</numerusform>
            <numerusform>تعذّر حذف ⁨%n⁩ عناصر، وبقيت في منطقة الانتظار</numerusform>
            <numerusform>تعذّر حذف ⁨%n⁩ عنصرًا، وبقيت في منطقة الانتظار</numerusform>
            <numerusform>تعذّر حذف ⁨%n⁩ عنصر، وبقيت في منطقة الانتظار</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>تم تحرير ⁨%1⁩ 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>يمكن تنظيفه بأمان</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>لم يُعثر على ذاكرة تخزين مؤقت يمكن حذفها بأمان</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>يُنظَّف بعد التأكيد</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>لا شيء يحتاج إلى تأكيد</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>ليس بعد</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>تم نقل ⁨%1⁩</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>تم تحرير ⁨%1⁩</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>تُخطيت هذه المرة لأنها ما زالت مفتوحة: ⁨%1⁩</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>لم يُنظَّف أي شيء هذه المرة، وما زالت الملفات في مكانها</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>تعذّر تنظيف ⁨%n⁩ عنصر، وما زالت في مكانها</numerusform>
            <numerusform>تعذّر تنظيف ⁨%n⁩ عنصر، وما زال في مكانه</numerusform>
            <numerusform>تعذّر تنظيف ⁨%n⁩ عنصرين، وما زالا في مكانهما</numerusform>
            <numerusform>تعذّر تنظيف ⁨%n⁩ عناصر، وما زالت في مكانها</numerusform>
            <numerusform>تعذّر تنظيف ⁨%n⁩ عنصرًا، وما زالت في مكانها</numerusform>
            <numerusform>تعذّر تنظيف ⁨%n⁩ عنصر، وما زالت في مكانها</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>تبقى في منطقة الانتظار 7 أيام تحسّبًا لتغيير رأيك</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>صار القرص أخفّ قليلًا</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>مشاركة النتيجة</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>رائع</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>جيلي</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>مقترح</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>⁨%n⁩ عنصر آخر</numerusform>
            <numerusform>⁨%n⁩ عنصر آخر</numerusform>
            <numerusform>⁨%n⁩ عنصران آخران</numerusform>
            <numerusform>⁨%n⁩ عناصر أخرى</numerusform>
            <numerusform>⁨%n⁩ عنصرًا آخر</numerusform>
            <numerusform>⁨%n⁩ عنصر آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>انتقل إلى القائمة لترى الكل</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>⁨%n⁩ عنصر · المحدد: ⁨%1⁩</numerusform>
            <numerusform>⁨%n⁩ عنصر · المحدد: ⁨%1⁩</numerusform>
            <numerusform>⁨%n⁩ عنصران · المحدد: ⁨%1⁩</numerusform>
            <numerusform>⁨%n⁩ عناصر · المحدد: ⁨%1⁩</numerusform>
            <numerusform>⁨%n⁩ عنصرًا · المحدد: ⁨%1⁩</numerusform>
            <numerusform>⁨%n⁩ عنصر · المحدد: ⁨%1⁩</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>جارٍ العمل…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>تنظيف المحدد (⁨%n⁩) · ⁨%1⁩</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩) · ⁨%1⁩</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩) · ⁨%1⁩</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩) · ⁨%1⁩</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩) · ⁨%1⁩</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩) · ⁨%1⁩</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>أتريد تنظيف ⁨%n⁩ عنصر بحجم إجمالي ⁨%1⁩؟</numerusform>
            <numerusform>أتريد تنظيف ⁨%n⁩ عنصر بحجم إجمالي ⁨%1⁩؟</numerusform>
            <numerusform>أتريد تنظيف ⁨%n⁩ عنصرين بحجم إجمالي ⁨%1⁩؟</numerusform>
            <numerusform>أتريد تنظيف ⁨%n⁩ عناصر بحجم إجمالي ⁨%1⁩؟</numerusform>
            <numerusform>أتريد تنظيف ⁨%n⁩ عنصرًا بحجم إجمالي ⁨%1⁩؟</numerusform>
            <numerusform>أتريد تنظيف ⁨%n⁩ عنصر بحجم إجمالي ⁨%1⁩؟</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>تم تحرير ⁨%1⁩</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>وتعذّر حذف ⁨%n⁩ عنصر</numerusform>
            <numerusform>وتعذّر حذف ⁨%n⁩ عنصر</numerusform>
            <numerusform>وتعذّر حذف ⁨%n⁩ عنصرين</numerusform>
            <numerusform>وتعذّر حذف ⁨%n⁩ عناصر</numerusform>
            <numerusform>وتعذّر حذف ⁨%n⁩ عنصرًا</numerusform>
            <numerusform>وتعذّر حذف ⁨%n⁩ عنصر</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>انقر قطعة جيلي لتحديدها، وانقر بالزر الأيمن لإظهارها في مدير الملفات</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>لا شيء هنا، أو لا صلاحية لعرض المحتوى</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>رجوع (Esc)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>جارٍ قياس «⁨%1⁩»…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>لم يكبر أي شيء بشكل ملحوظ في هذه الفترة</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>يسجّل Sorbeta كل عملية فحص، وبعد يومين تقريبًا سترى ما الذي يكبر بصمت</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>يوم واحد</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7 أيام</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30 يومًا</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>المساحة المحرَّرة
في هذه الفترة</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>المساحة الإضافية المستخدمة
في هذه الفترة</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>بعد أول فحص، يسجّل Sorbeta حالة القرص مرة كل يوم لترى أين ذهبت المساحة.</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>بدأ التسجيل في ⁨%1⁩. عُد غدًا لترى ما تغيّر.</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>مقارنةً بـ ⁨%1⁩</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>كبُر</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>صغُر</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>لا تغيّر ملحوظ في هذه الفترة 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>المساحة المستخدمة</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>متاح</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>الذاكرة</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>تحرير الذاكرة</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>فتح Sorbeta</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>تنظيف العناصر الآمنة (⁨%1⁩)</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>فحص القرص</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>جارٍ الفحص…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>التنظيف التلقائي: ⁨%n⁩ قاعدة</numerusform>
            <numerusform>التنظيف التلقائي: ⁨%n⁩ قاعدة</numerusform>
            <numerusform>التنظيف التلقائي: ⁨%n⁩ قاعدتان</numerusform>
            <numerusform>التنظيف التلقائي: ⁨%n⁩ قواعد</numerusform>
            <numerusform>التنظيف التلقائي: ⁨%n⁩ قاعدةً</numerusform>
            <numerusform>التنظيف التلقائي: ⁨%n⁩ قاعدة</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>التنظيف التلقائي متوقف</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>آخر تنظيف تلقائي ⁨%1⁩ · ⁨%2⁩</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>التطوير</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>التغيّرات</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>يقرأ Sorbeta الملفات بصلاحيات حسابك نفسه: فالمستندات والتنزيلات والصور وبيانات تطبيقات الدردشة التي يمكنك فتحها تُحتسب كلها، دون حاجة إلى أي إذن إضافي.</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>يمكن قراءة جميع ملفاتك</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>بعض المجلدات لا يمكن قراءتها</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>آخر تحقق: </translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>التحقق من التحديثات تلقائيًا</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>عند صدور إصدار جديد ينبّهك Sorbeta، وبنقرة واحدة تفتح صفحة التنزيل.</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>التحقق الآن</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>أداة تنظيف للحاسوب بطابع الجيلي الملوّن</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>بعد إغلاق نافذته يبقى Sorbeta في صينية النظام ويلقي نظرة كل 30 دقيقة. لا ينظّف تلقائيًا إلا ذاكرة التخزين المؤقت التي يُعاد بناؤها من تلقاء نفسها، ويتخطاها ما دام التطبيق المعني بها مفتوحًا.</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>لا توجد صينية نظام على هذا الحاسوب، لذا يُغلق Sorbeta عند إغلاق نافذته ولا يلقي نظرة كل 30 دقيقة إلا والنافذة مفتوحة. لا ينظّف تلقائيًا إلا ذاكرة التخزين المؤقت التي يُعاد بناؤها من تلقاء نفسها، ويتخطاها ما دام التطبيق المعني بها مفتوحًا.</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>بعد تغيير اللغة يُعاد فتح Sorbeta تلقائيًا مرة واحدة.</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>لغة الواجهة</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>المؤثرات الصوتية للجيلي</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>الاحتفاظ بما يُزال بالتنظيف اليدوي 7 أيام لإمكان استعادته</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>البدء تلقائيًا عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>تسجيل تغيّر المساحة مرة كل يوم</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>نبّهني عندما تقل المساحة المتاحة عن ⁨%1⁩ G</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>تظهر التنبيهات على شكل إشعارات النظام.</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>نبّهني عندما تكاد الذاكرة تنفد</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>التنبيهات</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>التنظيف التلقائي</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>الأذونات</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>حرّرتُ من مساحة حاسوبي</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>أفسح مكانًا مع Sorbeta</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>نُظّف ⁨%n⁩ عنصر · المتاح ⁨%1⁩ → ⁨%2⁩</numerusform>
            <numerusform>نُظّف ⁨%n⁩ عنصر · المتاح ⁨%1⁩ → ⁨%2⁩</numerusform>
            <numerusform>نُظّف ⁨%n⁩ عنصران · المتاح ⁨%1⁩ → ⁨%2⁩</numerusform>
            <numerusform>نُظّفت ⁨%n⁩ عناصر · المتاح ⁨%1⁩ → ⁨%2⁩</numerusform>
            <numerusform>نُظّف ⁨%n⁩ عنصرًا · المتاح ⁨%1⁩ → ⁨%2⁩</numerusform>
            <numerusform>نُظّف ⁨%n⁩ عنصر · المتاح ⁨%1⁩ → ⁨%2⁩</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>حفظ الصورة</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>حصيلة التنظيف</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>احفظها وانشرها على Xiaohongshu أو Instagram، أو سلّمها إلى تطبيق آخر عبر «مشاركة…».</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>تعذّر حفظ الصورة</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>حُفظت في «⁨%1⁩»</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>نُسخت، ويمكنك لصقها مباشرةً</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>فتح بالتطبيق الافتراضي</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>نسخ الصورة</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>مشاركة…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>إنهاء </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>التطبيقات الأكثر استهلاكًا للذاكرة</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>تحرير الذاكرة</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>تحرير الذاكرة؟</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>لا داعي</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>مدة التشغيل</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>المعالج</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>البطارية</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>مساحة التبديل</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>جارٍ التحرير…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>الذاكرة المستخدمة</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>الذاكرة تكاد تنفد؛ إغلاق بعض التطبيقات غير المستخدمة سيساعد كثيرًا 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>الذاكرة بدأت تضيق؛ انظر في القائمة المجاورة لترى من يستهلك أكثر</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>الذاكرة وفيرة، وحاسوبك بحالة جيدة ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>⁨%n⁩ يوم</numerusform>
            <numerusform>⁨%n⁩ يوم</numerusform>
            <numerusform>⁨%n⁩ يومان</numerusform>
            <numerusform>⁨%n⁩ أيام</numerusform>
            <numerusform>⁨%n⁩ يومًا</numerusform>
            <numerusform>⁨%n⁩ يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>⁨%n⁩ ساعة</numerusform>
            <numerusform>⁨%n⁩ ساعة</numerusform>
            <numerusform>⁨%n⁩ ساعتان</numerusform>
            <numerusform>⁨%n⁩ ساعات</numerusform>
            <numerusform>⁨%n⁩ ساعةً</numerusform>
            <numerusform>⁨%n⁩ ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>⁨%n⁩ دقيقة</numerusform>
            <numerusform>⁨%n⁩ دقيقة</numerusform>
            <numerusform>⁨%n⁩ دقيقتان</numerusform>
            <numerusform>⁨%n⁩ دقائق</numerusform>
            <numerusform>⁨%n⁩ دقيقةً</numerusform>
            <numerusform>⁨%n⁩ دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>⁨%n⁩ دقيقة</numerusform>
            <numerusform>⁨%n⁩ دقيقة</numerusform>
            <numerusform>⁨%n⁩ دقيقتان</numerusform>
            <numerusform>⁨%n⁩ دقائق</numerusform>
            <numerusform>⁨%n⁩ دقيقةً</numerusform>
            <numerusform>⁨%n⁩ دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>⁨%n⁩ نواة</numerusform>
            <numerusform>⁨%n⁩ نواة</numerusform>
            <numerusform>⁨%n⁩ نواتان</numerusform>
            <numerusform>⁨%n⁩ أنوية</numerusform>
            <numerusform>⁨%n⁩ نواةً</numerusform>
            <numerusform>⁨%n⁩ نواة</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>الحمل ⁨%1⁩</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>المتاح </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · قيد الشحن</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · موصول بالكهرباء</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>⁨%n⁩ دورة شحن</numerusform>
            <numerusform>⁨%n⁩ دورة شحن</numerusform>
            <numerusform>⁨%n⁩ دورتا شحن</numerusform>
            <numerusform>⁨%n⁩ دورات شحن</numerusform>
            <numerusform>⁨%n⁩ دورةَ شحن</numerusform>
            <numerusform>⁨%n⁩ دورة شحن</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>غير مستخدمة</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>المستخدم </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>ذاكرة التخزين المؤقت القابلة للتحرير: </translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>ستتخلص نواة النظام من ذاكرة التخزين المؤقت للملفات. يتطلب ذلك كلمة مرور المسؤول (تُطلب في نافذة من النظام، ولا يراها Sorbeta).</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>خلال الدقائق التالية سيكون فتح الملفات أبطأ قليلًا ريثما يعيد النظام تخزينها مؤقتًا.</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>ستُنقل إلى المهملات</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>إنهاء التطبيق</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>نقل ⁨%1⁩ والبقايا المحددة إلى المهملات؟</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>⁨%n⁩ عنصر، بحجم ⁨%1⁩. يمكنك إعادتها من المهملات.</numerusform>
            <numerusform>⁨%n⁩ عنصر، بحجم ⁨%1⁩. يمكنك إعادته من المهملات.</numerusform>
            <numerusform>⁨%n⁩ عنصران، بحجم ⁨%1⁩. يمكنك إعادتهما من المهملات.</numerusform>
            <numerusform>⁨%n⁩ عناصر، بحجم ⁨%1⁩. يمكنك إعادتها من المهملات.</numerusform>
            <numerusform>⁨%n⁩ عنصرًا، بحجم ⁨%1⁩. يمكنك إعادتها من المهملات.</numerusform>
            <numerusform>⁨%n⁩ عنصر، بحجم ⁨%1⁩. يمكنك إعادتها من المهملات.</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>نقل إلى المهملات</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>التطبيق نفسه</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>لم يُعثر على شيء تركه في مجلدات الإعدادات وذاكرة التخزين المؤقت والبيانات</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>دون الوصول الكامل إلى القرص لم تُفحص البيانات داخل الحاويات المعزولة</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>جارٍ النقل…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>جارٍ وزن التطبيقات…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>حسب الحجم</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>الأقل استخدامًا</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>البحث في التطبيقات</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>الصور والوسائط</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>المستندات والتنزيلات</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>المشاريع والشيفرات</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode وتطوير iOS</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>نماذج الذكاء الاصطناعي المحلية</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>ذاكرة التخزين المؤقت للحزم</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>سجلات الدردشة</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>نسخ iPhone الاحتياطية والبرامج الثابتة</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>ذاكرة التخزين المؤقت للتطبيقات</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>المهملات</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>نواتج البناء الوسيطة، ويُعاد توليدها في البناء التالي. تُتخطى ما دام Xcode مفتوحًا.</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>ذاكرة التخزين المؤقت للمحاكيات</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>ذاكرة التخزين المؤقت لـ CoreSimulator والملفات المؤقتة لكل محاكٍ، ويُعاد بناؤها عند الحاجة.</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>ملفات دعم الأجهزة القديمة</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>ملفات الرموز التي تركتها الأجهزة التي وصلتها بالحاسوب. يُحتفظ بأحدث نسختين لكل إصدار نظام ويُحذف الباقي، وتُنسخ من جديد عند توصيل الجهاز القديم مجددًا.</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ Xcode</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>مجلدات ذاكرة التخزين المؤقت الخاصة بـ Xcode.</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>ذاكرة التخزين المؤقت للمتصفحات</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>ذاكرة التخزين المؤقت لصفحات الويب في Chrome وChromium وEdge وBrave وFirefox. لا تُمس ملفات تعريف الارتباط ولا السجل ولا كلمات المرور. يُتخطى المتصفح ما دام مفتوحًا.</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ npm</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>ذاكرة التخزين المؤقت لتنزيلات npm، وتُنزَّل الحزم من جديد عند تثبيتها.</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ Yarn</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>ذاكرة التخزين المؤقت لتنزيلات Yarn.</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ Bun</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>ذاكرة التخزين المؤقت للتثبيت في Bun.</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ pip</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>ذاكرة التخزين المؤقت لتنزيلات حزم Python.</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>ذاكرة التخزين المؤقت لتنزيلات Homebrew</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>حزم التثبيت المنزَّلة، ويعيد brew تنزيلها عند الحاجة. يُحتفظ بفهرس API.</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ CocoaPods</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>ذاكرة التخزين المؤقت لتنزيلات Pods.</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ SwiftPM</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>ذاكرة التخزين المؤقت لتنزيلات حزم Swift.</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>ذاكرة التخزين المؤقت للبناء في Go</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>ذاكرة التخزين المؤقت لـ go build، ويُعاد بناؤها في البناء التالي.</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>الملفات المؤقتة لـ Gradle</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>سجلات الخدمة الخلفية لـ Gradle وذاكرة التخزين المؤقت للبناء والإشعارات. لا يُمس مستودع الاعتماديات نفسه. يُتخطى ما دام Gradle يعمل.</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>ذاكرة التخزين المؤقت لأدوات التطوير الأخرى</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>ذاكرة التخزين المؤقت لـ TypeScript وVite وESLint وPrettier وuv وPoetry وRuff وCargo وComposer وAndroid وغيرها من الأدوات، وكلها يُعاد بناؤها تلقائيًا.</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>سجلات المستخدم</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>السجلات وتقارير الأعطال التي تكتبها التطبيقات، ونادرًا ما يعود إليها أحد.</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>ملفات البرامج الثابتة لـ iOS</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>ملفات البرنامج الثابت ‎.ipsw التي نُزّلت عند تحديث iPhone أو iPad، ولا فائدة منها بعد تثبيتها.</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>التنزيلات غير المكتملة</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>ملفات ‎.download / ‎.crdownload / ‎.part المتوقفة في مجلد التنزيلات، والتي لم تُمس منذ أكثر من يوم.</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ WeChat</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>الصور المصغّرة وذاكرة التخزين المؤقت للويب في WeChat، ويُعاد توليدها تلقائيًا بعد الحذف. لا تُمس سجلات الدردشة ولا الصور ولا الملفات. يُتخطى ما دام WeChat مفتوحًا.</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ LINE</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>ذاكرة التخزين المؤقت لـ LINE، ويُعاد توليدها تلقائيًا بعد الحذف. لا تُمس سجلات الدردشة ولا الألبومات. يُتخطى ما دام LINE مفتوحًا.</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ QQ</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>ذاكرة التخزين المؤقت لـ QQ، ويُعاد توليدها تلقائيًا بعد الحذف. لا تُمس سجلات الدردشة ولا الملفات. يُتخطى ما دام QQ مفتوحًا.</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ Discord</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>ذاكرة التخزين المؤقت للويب والصور في Discord، ويُعاد توليدها تلقائيًا بعد الحذف. يُتخطى ما دام Discord مفتوحًا.</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ Slack</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>ذاكرة التخزين المؤقت للويب والصور في Slack، ويُعاد توليدها تلقائيًا بعد الحذف. يُتخطى ما دام Slack مفتوحًا.</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>ذاكرة التخزين المؤقت لـ JianYing / CapCut</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>ذاكرة التخزين المؤقت للمعاينات والوسائط التي تُنشأ أثناء التحرير، ويُعاد توليدها عند فتح المسودة مجددًا. لا تُمس المسودات ولا الفيديوهات المصدَّرة. يُتخطى ما دام JianYing أو CapCut مفتوحًا.</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>اعتماديات المشاريع القديمة ونواتج بنائها</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>مجلدات node_modules وtarget و‎.build وPods و‎.venv وما شابهها في مشاريع مجلدات الشيفرة التي لم تُمس منذ 7 أيام. لا يُمس أي شيء يتتبعه git. ويجب إعادة تثبيت الاعتماديات بعد الحذف.</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>إفراغ ذاكرة التطبيقات الخارجية المؤقتة</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>ذاكرة التخزين المؤقت لجميع التطبيقات. تُتخطى ذاكرة التطبيقات قيد التشغيل ومكوّنات النظام ومديري كلمات المرور. ستكون التطبيقات أبطأ لبعض الوقت بعد ذلك.</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>مخزن المحتوى العام لـ pnpm. تظل المشاريع الحالية تعمل، لكن التثبيت التالي سيعيد التنزيل.</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>الأرشيفات المُعدّة للتوزيع. بعد حذفها لن تتمكن من التصدير أو الرفع منها مجددًا.</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>نسخ iPhone / iPad الاحتياطية</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>النسخ الاحتياطية المحلية لأجهزتك، ولا يمكن استرجاعها بعد حذفها.</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>إفراغ المهملات</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>سيُحذف كل ما في المهملات نهائيًا.</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>صور WeChat وفيديوهاته الأقدم من 3 أشهر</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>الصور والفيديوهات والملفات التي استُلمت في الدردشات قبل أكثر من 3 أشهر. بعد حذفها يعرضها WeChat على أنها منتهية الصلاحية، ولا يمكن تنزيل معظمها مجددًا. يُتخطى ما دام WeChat مفتوحًا.</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>الوسائط المنزَّلة في Telegram</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>النسخ المحلية من الصور والفيديوهات التي شاهدتها في Telegram. ما زال منها في السحابة يمكن تنزيله مجددًا، أما ما جاء من الدردشات السرية فلا يمكن استرجاعه. يُتخطى ما دام Telegram مفتوحًا.</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>حزم التثبيت القديمة في التنزيلات</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>حزم ‎.deb و‎.rpm في مجلد التنزيلات التي لم تُمس منذ أكثر من أسبوعين. بعد تثبيت البرنامج لا حاجة عادةً إلى حزمة التثبيت.</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>بيئات تشغيل المحاكيات</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>صورة محاكٍ لكل إصدار نظام، وكثيرًا ما يبلغ حجمها 8 G. تُحدَّد افتراضيًا تلك التي لم تُستخدم منذ 60 يومًا ولا يستخدمها أي جهاز وليست أحدث إصدار؛ وإن احتجت إليها بعد حذفها فنزّلها مجددًا من Xcode.</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>أجهزة المحاكاة</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>التطبيقات والبيانات داخل كل محاكٍ. تُحدَّد افتراضيًا الأجهزة التي لم تُفتح منذ 90 يومًا، وتلك التي حُذفت بيئة تشغيلها.</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>أرشيفات Xcode</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>مجمّعة حسب التطبيق، ويُحتفظ افتراضيًا بأحدث أرشيفين لكل تطبيق. لا يمكن تصدير الأرشيف المحذوف أو رفعه مجددًا.</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>عدة نسخ من Xcode</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>هناك أكثر من نسخة مثبتة من Xcode. لا يُحدَّد شيء افتراضيًا؛ انقل إحداها إلى المهملات متى تأكدت أنك لم تعد تحتاجها.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>صور النظام والمحاكيات. تُحدَّد افتراضيًا المحاكيات التي لم تُمس منذ 90 يومًا؛ ويمكن تنزيل الصور مجددًا عبر SDK Manager عند الحاجة.</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker والأجهزة الافتراضية</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>ملفات أقراص الحاويات والأجهزة الافتراضية. هنا تُعرض أحجامها فقط؛ وعندما يعمل Docker يمكنك مسح الصور والحاويات التي لم يعد يستخدمها بنقرة واحدة.</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>مشاريع لم تُمس منذ مدة طويلة</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>المشاريع التي لم تتغير منذ 90 يومًا. تُمسح اعتمادياتها ونواتج بنائها فقط (node_modules وtarget وPods…)، ولا تُمس الشيفرة ولا أي شيء يتتبعه git.</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>الملفات المكررة</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>ملفات متطابقة المحتوى تمامًا (قورنت بايتًا ببايت). في كل مجموعة تبقى النسخة الأقدم افتراضيًا.</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>حزم التثبيت القديمة</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>ملفات ‎.deb و‎.rpm و‎.zip و‎.iso في مجلد التنزيلات الأقدم من 30 يومًا، ولا حاجة إليها عادةً بعد التثبيت.</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>لم تُفتح منذ أكثر من عام</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>ملفات يزيد حجمها على 100 M ولم تُفتح أو تُعدَّل منذ أكثر من عام. لا تُحدَّد افتراضيًا: ألقِ نظرة قبل أن تقرر.</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>الملفات الكبيرة</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>الملفات التي يبلغ حجمها 500 M فأكثر، مرتبة حسب الحجم. لا تُحدَّد افتراضيًا.</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>النظام وغير ذلك</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>المتاح بعد تنظيف المحدد
(الآن ⁨%1⁩، ومنطقة الانتظار ⁨%2⁩)</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>المتاح بعد تنظيف المحدد
(الآن ⁨%1⁩)</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>كل شيء نظيف، لا يوجد ما يحتاج إلى تنظيف ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>جارٍ التحضير للفحص…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>يمكن تنظيف ⁨%1⁩، منها ⁨%2⁩ يمكن حذفها بأمان.</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>جارٍ إعادة فحص «⁨%1⁩»…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>جارٍ الاطلاع على «⁨%1⁩»…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>جارٍ تنظيف «⁨%1⁩»… ⁨%2⁩/⁨%3⁩</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>جارٍ التنظيف، لحظة من فضلك 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>تنظيف المحدد (⁨%n⁩)</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩)</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩)</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩)</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩)</numerusform>
            <numerusform>تنظيف المحدد (⁨%n⁩)</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>اختر بعض قطع الجيلي لتنظيفها</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>يمكن التنظيف بعد انتهاء الفحص</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>جارٍ التنظيف…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

ستوضع أولًا في منطقة الانتظار ويمكن استعادتها خلال 7 أيام، ثم تُحذف تلقائيًا.</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

ستُحذف الملفات مباشرةً دون المرور بالمهملات.</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>المحدد ⁨%1⁩ / ⁨%2⁩</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>منطقة الانتظار ⁨%1⁩ · يمكن الاستعادة خلال 7 أيام</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>مضغوطة</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>ذاكرة التخزين المؤقت للملفات</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>حرة</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>تعذّر نقل ⁨%1⁩ إلى المهملات</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> نُقل إلى المهملات · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>تعذّر نقل ⁨%n⁩ عنصر لعدم وجود صلاحية؛ يمكنك سحبها بنفسك إلى المهملات في مدير الملفات</numerusform>
            <numerusform>تعذّر نقل ⁨%n⁩ عنصر لعدم وجود صلاحية؛ يمكنك سحبه بنفسك إلى المهملات في مدير الملفات</numerusform>
            <numerusform>تعذّر نقل ⁨%n⁩ عنصرين لعدم وجود صلاحية؛ يمكنك سحبهما بنفسك إلى المهملات في مدير الملفات</numerusform>
            <numerusform>تعذّر نقل ⁨%n⁩ عناصر لعدم وجود صلاحية؛ يمكنك سحبها بنفسك إلى المهملات في مدير الملفات</numerusform>
            <numerusform>تعذّر نقل ⁨%n⁩ عنصرًا لعدم وجود صلاحية؛ يمكنك سحبها بنفسك إلى المهملات في مدير الملفات</numerusform>
            <numerusform>تعذّر نقل ⁨%n⁩ عنصر لعدم وجود صلاحية؛ يمكنك سحبها بنفسك إلى المهملات في مدير الملفات</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>لن تتحرر المساحة إلا بعد إفراغ المهملات؛ وإن غيّرت رأيك فأعدها من المهملات</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>أتريد الحذف النهائي لما أُلغي تثبيته للتو: </translation>
    </message>
    <message>
        <source>？</source>
        <translation>؟</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>سيُحذف فقط ما نُقل إلى المهملات هذه المرة، وحجمه </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation>، ولن يُمس أي شيء آخر في المهملات. بعد الحذف لا يمكن إعادته.</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>حذف نهائي</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>⁨%n⁩ عنصر متبقٍ</numerusform>
            <numerusform>⁨%n⁩ عنصر متبقٍ</numerusform>
            <numerusform>⁨%n⁩ عنصران متبقيان</numerusform>
            <numerusform>⁨%n⁩ عناصر متبقية</numerusform>
            <numerusform>⁨%n⁩ عنصرًا متبقيًا</numerusform>
            <numerusform>⁨%n⁩ عنصر متبقٍ</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>جارٍ وزن التطبيقات… ⁨%1⁩/⁨%2⁩</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>التطبيقات التي لم تُفتح منذ أطول مدة تأتي أولًا، وهي الأجدر بإلغاء التثبيت.</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>انقر تطبيقًا لترى كم يشغل من حاسوبك. إلغاء التثبيت ينقله إلى المهملات، فيمكنك إعادته.</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>⁨%n⁩ تطبيق
مع بقاياها</numerusform>
            <numerusform>⁨%n⁩ تطبيق
مع بقاياه</numerusform>
            <numerusform>⁨%n⁩ تطبيقان
مع بقاياهما</numerusform>
            <numerusform>⁨%n⁩ تطبيقات
مع بقاياها</numerusform>
            <numerusform>⁨%n⁩ تطبيقًا
مع بقاياها</numerusform>
            <numerusform>⁨%n⁩ تطبيق
مع بقاياها</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>الإصدار ⁨%1⁩</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>⁨%1⁩ قيد التشغيل؛ أنهِه قبل إلغاء التثبيت</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>المساعدات الخلفية لـ ⁨%1⁩ لا تزال تعمل؛ أنهِها قبل إلغاء التثبيت</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>⁨%n⁩ تطبيق آخر</numerusform>
            <numerusform>⁨%n⁩ تطبيق آخر</numerusform>
            <numerusform>⁨%n⁩ تطبيقان آخران</numerusform>
            <numerusform>⁨%n⁩ تطبيقات أخرى</numerusform>
            <numerusform>⁨%n⁩ تطبيقًا آخر</numerusform>
            <numerusform>⁨%n⁩ تطبيق آخر</numerusform>
        </translation>
    </message>
</context>
</TS>
