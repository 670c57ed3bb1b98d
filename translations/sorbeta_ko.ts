<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>Sorbeta</name>
    <message>
        <source>没用过</source>
        <translation>사용한 적 없음</translation>
    </message>
    <message>
        <source>今天用过</source>
        <translation>오늘 사용함</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前用过</source>
        <translation>
            <numerusform>%n일 전에 사용</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 个月没用了</source>
        <translation>
            <numerusform>%n개월째 사용 안 함</numerusform>
        </translation>
    </message>
    <message>
        <source>一年多没用了</source>
        <translation>1년 넘게 사용 안 함</translation>
    </message>
    <message>
        <source>设置…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>检查更新…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>清理</source>
        <translation>정리</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>다시 스캔</translation>
    </message>
    <message>
        <source>打开“完全磁盘访问”设置…</source>
        <translation>‘전체 디스크 접근 권한’ 설정 열기…</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>冰沙有新版本 %1 了</source>
        <translation>Sorbeta %1 버전이 나왔어요</translation>
    </message>
    <message>
        <source>你现在用的是 %1。新版本要从下载页下载安装。</source>
        <translation>지금 %1 버전을 사용하고 있어요. 새 버전은 다운로드 페이지에서 받아 설치해 주세요.</translation>
    </message>
    <message>
        <source>打开下载页</source>
        <translation>다운로드 페이지 열기</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>已经是最新版本</source>
        <translation>최신 버전이에요</translation>
    </message>
    <message>
        <source>冰沙 %1 就是现在最新的版本。</source>
        <translation>Sorbeta %1 버전이 가장 최신 버전이에요.</translation>
    </message>
    <message>
        <source>好</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>没能检查更新</source>
        <translation>업데이트를 확인하지 못했어요</translation>
    </message>
    <message>
        <source>连不上更新服务器，过会儿再试试。</source>
        <translation>업데이트 서버에 연결할 수 없어요. 잠시 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>正在扫描磁盘…</source>
        <translation>디스크 스캔 중…</translation>
    </message>
    <message>
        <source>现在腾出空间</source>
        <translation>지금 공간 확보</translation>
    </message>
    <message>
        <source>腾出了 </source>
        <translation>메모리 </translation>
    </message>
    <message>
        <source> 内存</source>
        <translation> 확보</translation>
    </message>
    <message>
        <source>文件缓存清掉了，系统之后会按需要慢慢再缓存</source>
        <translation>파일 캐시를 비웠어요. 시스템이 필요할 때 천천히 다시 캐시해요</translation>
    </message>
    <message>
        <source>磁盘快满了</source>
        <translation>디스크가 거의 가득 찼어요</translation>
    </message>
    <message>
        <source>只剩 %1 可用，打开冰沙看看哪些可以清理。</source>
        <translation>사용 가능한 공간이 %1밖에 남지 않았어요. Sorbeta를 열어 정리할 수 있는 항목을 확인해 보세요.</translation>
    </message>
    <message>
        <source>内存很紧张</source>
        <translation>메모리가 부족해요</translation>
    </message>
    <message>
        <source>关掉几个不用的应用，或者在冰沙里释放内存。</source>
        <translation>사용하지 않는 앱을 몇 개 종료하거나 Sorbeta에서 메모리를 확보해 보세요.</translation>
    </message>
    <message>
        <source>自动清理了 %1</source>
        <translation>%1를 자동으로 정리했어요</translation>
    </message>
    <message>
        <source>系统镜像 · </source>
        <translation>시스템 이미지 · </translation>
    </message>
    <message>
        <source>模拟器 · 上次改动 </source>
        <translation>에뮬레이터 · 마지막 변경 </translation>
    </message>
    <message>
        <source>Docker 不用的镜像和容器</source>
        <translation>Docker에서 쓰지 않는 이미지와 컨테이너</translation>
    </message>
    <message>
        <source>看起来
用不着的</source>
        <translation>필요 없어
보이는 것</translation>
    </message>
    <message>
        <source>Xcode、模拟器、Android、Docker 和老项目里藏的大块头。</source>
        <translation>Android 에뮬레이터와 SDK, Docker, 오래된 프로젝트에 숨어 있는 큰 파일들.</translation>
    </message>
    <message>
        <source>正在翻模拟器、归档和 SDK…</source>
        <translation>에뮬레이터, 가상 머신, 오래된 프로젝트를 살펴보는 중…</translation>
    </message>
    <message>
        <source>没找到开发工具留下的大文件 ✨</source>
        <translation>개발 도구가 남긴 큰 파일이 없어요 ✨</translation>
    </message>
    <message>
        <source>模拟器运行时和设备用 Xcode 自带的 simctl 删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。</source>
        <translation>파일은 휴지통으로 옮기고, 프로젝트 의존성은 바로 삭제해요(다시 설치하면 복구돼요).</translation>
    </message>
    <message>
        <source>可能
用不着的</source>
        <translation>필요 없을지도
모르는 것</translation>
    </message>
    <message>
        <source>下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。</source>
        <translation>다운로드, 문서, 바탕 화면, 비디오 폴더의 큰 파일, 오랫동안 열지 않은 파일, 중복 파일, 오래된 설치 파일.</translation>
    </message>
    <message>
        <source>正在翻你的文件…</source>
        <translation>파일을 살펴보는 중…</translation>
    </message>
    <message>
        <source>没找到明显用不着的大文件 ✨</source>
        <translation>딱히 필요 없어 보이는 큰 파일이 없어요 ✨</translation>
    </message>
    <message>
        <source>选中的文件会移到废纸篓，在废纸篓里还能放回去。</source>
        <translation>선택한 파일은 휴지통으로 옮겨지며, 휴지통에서 다시 되돌릴 수 있어요.</translation>
    </message>
    <message>
        <source>上次用 %1</source>
        <translation>마지막 사용 %1</translation>
    </message>
    <message>
        <source>上次使用日期不明</source>
        <translation>마지막 사용일 알 수 없음</translation>
    </message>
    <message>
        <source>%1 · 运行时已经没了</source>
        <translation>%1 · 런타임이 삭제됨</translation>
    </message>
    <message>
        <source>有设备在用</source>
        <translation>사용 중인 기기 있음</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 台设备</source>
        <translation>
            <numerusform>기기 %n대</numerusform>
        </translation>
    </message>
    <message>
        <source>上次改动 </source>
        <translation>마지막 변경 </translation>
    </message>
    <message>
        <source>上次打开 </source>
        <translation>마지막으로 연 날짜 </translation>
    </message>
    <message>
        <source>%1 · 保留这一份（最早）</source>
        <translation>%1 · 이 파일은 남겨 둠(가장 오래됨)</translation>
    </message>
    <message>
        <source>%1 · 和 %2 一模一样</source>
        <translation>%1 · %2 파일과 똑같음</translation>
    </message>
    <message>
        <source>%1 还开着</source>
        <translation>%1 앱이 아직 열려 있어요</translation>
    </message>
    <message>
        <source>清理这几项需要先退出它们：
%1

退出前记得保存手头的东西。</source>
        <translation>다음 항목을 정리하려면 먼저 관련 앱을 종료해야 해요:
%1

종료하기 전에 작업 중인 내용을 꼭 저장하세요.</translation>
    </message>
    <message>
        <source>退出并清理</source>
        <translation>종료하고 정리</translation>
    </message>
    <message>
        <source>先不清理</source>
        <translation>나중에 정리</translation>
    </message>
    <message>
        <source>跳过这几项</source>
        <translation>이 항목 건너뛰기</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>磁盘</source>
        <translation>디스크</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>시스템 설정 따르기</translation>
    </message>
    <message>
        <source>没法启动 osascript</source>
        <translation>pkexec 프로그램을 실행할 수 없어요(먼저 pkexec 패키지를 설치하세요)</translation>
    </message>
    <message>
        <source>没成功：</source>
        <translation>실패: </translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Linux 컴퓨터</translation>
    </message>
    <message>
        <source>未知芯片</source>
        <translation>알 수 없는 프로세서</translation>
    </message>
    <message>
        <source>应用数据</source>
        <translation>앱 데이터</translation>
    </message>
    <message>
        <source>它存的数据和设置</source>
        <translation>앱이 저장한 데이터와 설정</translation>
    </message>
    <message>
        <source>缓存</source>
        <translation>캐시</translation>
    </message>
    <message>
        <source>临时文件，删了也没关系</source>
        <translation>임시 파일이라 삭제해도 괜찮아요</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>它的设置</source>
        <translation>앱의 설정</translation>
    </message>
    <message>
        <source>沙盒容器</source>
        <translation>샌드박스 컨테이너</translation>
    </message>
    <message>
        <source>它在沙盒里的全部数据</source>
        <translation>샌드박스에 보관된 모든 데이터</translation>
    </message>
    <message>
        <source>窗口状态</source>
        <translation>창 상태</translation>
    </message>
    <message>
        <source>上次打开的窗口位置</source>
        <translation>마지막으로 열었던 창의 위치</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>로그</translation>
    </message>
    <message>
        <source>运行记录</source>
        <translation>실행 기록</translation>
    </message>
    <message>
        <source>网页数据</source>
        <translation>웹 데이터</translation>
    </message>
    <message>
        <source>网页缓存和登录信息</source>
        <translation>웹 캐시와 로그인 정보</translation>
    </message>
    <message>
        <source>开机启动项</source>
        <translation>로그인 항목</translation>
    </message>
    <message>
        <source>开机时自动运行的小助手</source>
        <translation>로그인할 때 자동으로 실행되는 도우미</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>其他残留文件</source>
        <translation>기타 잔여 파일</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>지금</translation>
    </message>
    <message numerus="yes">
        <source>%n 秒钟前</source>
        <translation>
            <numerusform>%n초 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟前</source>
        <translation>
            <numerusform>%n분 전</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时前</source>
        <translation>
            <numerusform>%n시간 전</numerusform>
        </translation>
    </message>
    <message>
        <source>昨天</source>
        <translation>어제</translation>
    </message>
    <message numerus="yes">
        <source>%n 天前</source>
        <translation>
            <numerusform>%n일 전</numerusform>
        </translation>
    </message>
    <message>
        <source>上周</source>
        <translation>지난주</translation>
    </message>
    <message numerus="yes">
        <source>%n 周前</source>
        <translation>
            <numerusform>%n주 전</numerusform>
        </translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>지난달</translation>
    </message>
    <message numerus="yes">
        <source>%n 个月前</source>
        <translation>
            <numerusform>%n개월 전</numerusform>
        </translation>
    </message>
    <message>
        <source>去年</source>
        <translation>작년</translation>
    </message>
    <message numerus="yes">
        <source>%n 年前</source>
        <translation>
            <numerusform>%n년 전</numerusform>
        </translation>
    </message>
    <message>
        <source>在访达中显示</source>
        <translation>파일 관리자에서 보기</translation>
    </message>
    <message>
        <source>点开看看</source>
        <translation>살펴보기</translation>
    </message>
    <message>
        <source>共 %1</source>
        <translation>총 %1</translation>
    </message>
    <message>
        <source>空闲空间 %1</source>
        <translation>여유 공간 %1</translation>
    </message>
    <message>
        <source>系统、应用数据与其他没归类的文件 %1</source>
        <translation>시스템, 앱 데이터 및 분류되지 않은 기타 파일 %1</translation>
    </message>
    <message>
        <source>%1 · %2
%3
点右上角圆点选中，点果冻看里面有什么</source>
        <translation>%1 · %2
%3
오른쪽 위의 점을 눌러 선택하고, 젤리를 눌러 안을 살펴보세요</translation>
    </message>
    <message>
        <source>%1 共 %2，其中旁边的小果冻可以清理，这块是剩下的 %3
点开看看里面有什么</source>
        <translation>%1: 전체 %2. 옆의 작은 젤리는 정리할 수 있고, 이 조각은 나머지 %3에 해당해요
눌러서 안을 살펴보세요</translation>
    </message>
    <message>
        <source>%1 · 连同残留共 %2
点开看看它留了什么</source>
        <translation>%1 · 잔여 파일 포함 %2
눌러서 무엇을 남겼는지 확인해 보세요</translation>
    </message>
    <message>
        <source>点开看看 ›</source>
        <translation>살펴보기 ›</translation>
    </message>
    <message>
        <source>取消选中</source>
        <translation>선택 해제</translation>
    </message>
    <message>
        <source>选中，稍后清理</source>
        <translation>선택해서 나중에 정리</translation>
    </message>
    <message>
        <source>版本 %1（%2）</source>
        <translation>버전 %1 (%2)</translation>
    </message>
    <message>
        <source>现在 %1</source>
        <translation>현재 %1</translation>
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
        <translation>‘전체 디스크 접근 권한’ 목록으로 드래그하세요</translation>
    </message>
    <message>
        <source>拖我</source>
        <translation>드래그하세요</translation>
    </message>
    <message>
        <source>给冰沙一把钥匙</source>
        <translation>Sorbeta에게 열쇠를 주세요</translation>
    </message>
    <message>
        <source>开一次「完全磁盘访问」，系统就不会再一个个文件夹地来问你。
冰沙只读文件大小，只删你亲手勾选的东西。</source>
        <translation>‘전체 디스크 접근 권한’을 한 번만 켜 두면 시스템이 폴더마다 일일이 묻지 않아요.
Sorbeta는 파일 크기만 읽고, 직접 체크한 항목만 삭제해요.</translation>
    </message>
    <message>
        <source>打开系统设置</source>
        <translation>시스템 설정 열기</translation>
    </message>
    <message>
        <source>点下面的糖果按钮</source>
        <translation>아래의 사탕 버튼을 누르세요</translation>
    </message>
    <message>
        <source>打开冰沙的开关</source>
        <translation>Sorbeta 스위치 켜기</translation>
    </message>
    <message>
        <source>列表里没有的话，
把右边的图标拖进去</source>
        <translation>목록에 없으면
오른쪽 아이콘을 끌어다 놓으세요</translation>
    </message>
    <message>
        <source>退出并重新打开</source>
        <translation>종료 후 다시 열기</translation>
    </message>
    <message>
        <source>系统问的时候点它，
回来就好了</source>
        <translation>시스템이 물어보면 누르세요.
그러면 끝이에요</translation>
    </message>
    <message>
        <source>先跳过</source>
        <translation>지금은 건너뛰기</translation>
    </message>
    <message>
        <source>跳过也能用：照片、音乐、文稿、下载和聊天应用的数据先不扫，之后随时可以再开。</source>
        <translation>건너뛰어도 쓸 수 있어요. 사진, 음악, 문서, 다운로드, 채팅 앱 데이터는 일단 스캔하지 않으며, 언제든 다시 켤 수 있어요.</translation>
    </message>
    <message>
        <source>再打开一次</source>
        <translation>다시 열기</translation>
    </message>
    <message>
        <source>等你打开开关…打开后这里会自己继续</source>
        <translation>스위치가 켜지기를 기다리는 중… 켜지면 자동으로 계속돼요</translation>
    </message>
    <message>
        <source>拿到钥匙啦</source>
        <translation>열쇠를 받았어요!</translation>
    </message>
    <message>
        <source>马上开始扫描</source>
        <translation>곧 스캔을 시작해요</translation>
    </message>
    <message>
        <source>照片、文稿、下载等还没算进来</source>
        <translation>사진, 문서, 다운로드 등은 아직 포함되지 않았어요</translation>
    </message>
    <message>
        <source>去开启 ›</source>
        <translation>켜러 가기 ›</translation>
    </message>
    <message numerus="yes">
        <source>%n 项</source>
        <translation>
            <numerusform>%n개 항목</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>还剩 %n 天</source>
        <translation>
            <numerusform>%n일 남음</numerusform>
        </translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>暂存区</source>
        <translation>임시 보관함</translation>
    </message>
    <message>
        <source>最近 7 天清理的东西先放在这里，到期自动删除。要马上腾出空间可以直接删掉。</source>
        <translation>최근 7일 동안 정리한 항목은 여기에 보관되었다가 기간이 지나면 자동으로 삭제돼요. 바로 공간을 확보하려면 지금 삭제하세요.</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>暂存区是空的 🍧</source>
        <translation>임시 보관함이 비어 있어요 🍧</translation>
    </message>
    <message numerus="yes">
        <source>放回去了 %n 项</source>
        <translation>
            <numerusform>%n개 항목을 되돌렸어요</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1. %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 项原处已经有新的了，留在暂存区</source>
        <translation>
            <numerusform>%n개 항목은 원래 위치에 새 항목이 있어서 임시 보관함에 남겨 두었어요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能放回去，还留在暂存区</source>
        <translation>
            <numerusform>%n개 항목은 되돌리지 못해서 임시 보관함에 남겨 두었어요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 项没能删掉，还留在暂存区</source>
        <translation>
            <numerusform>%n개 항목은 삭제하지 못해서 임시 보관함에 남겨 두었어요</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1 🎉</source>
        <translation>%1 확보 🎉</translation>
    </message>
    <message>
        <source>可安全清理</source>
        <translation>안전하게 정리 가능</translation>
    </message>
    <message>
        <source>没有发现可以放心删的缓存</source>
        <translation>안심하고 삭제할 수 있는 캐시를 찾지 못했어요</translation>
    </message>
    <message>
        <source>确认后清理</source>
        <translation>확인 후 정리</translation>
    </message>
    <message>
        <source>没有需要确认的项目</source>
        <translation>확인이 필요한 항목이 없어요</translation>
    </message>
    <message>
        <source>再想想</source>
        <translation>다시 생각하기</translation>
    </message>
    <message>
        <source>移走了 %1</source>
        <translation>%1를 옮겼어요</translation>
    </message>
    <message>
        <source>释放了 %1</source>
        <translation>%1를 확보했어요</translation>
    </message>
    <message>
        <source>%1 的应用还开着，这次先跳过了</source>
        <translation>앱이 열려 있어서 이번에는 건너뛰었어요: %1</translation>
    </message>
    <message>
        <source>这次没能清理掉任何东西，文件都还在原处</source>
        <translation>이번에는 아무것도 정리하지 못했어요. 파일은 모두 그대로 있어요</translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没能清理掉，还在原处</source>
        <translation>
            <numerusform>%n개 항목은 정리하지 못해 그대로 남아 있어요</numerusform>
        </translation>
    </message>
    <message>
        <source>在暂存区放 7 天，后悔了可以恢复</source>
        <translation>임시 보관함에 7일 동안 보관되니 마음이 바뀌면 복원할 수 있어요</translation>
    </message>
    <message>
        <source>磁盘轻了一点点</source>
        <translation>디스크가 조금 가벼워졌어요</translation>
    </message>
    <message>
        <source>🍧</source>
        <translation>🍧</translation>
    </message>
    <message>
        <source>分享战报</source>
        <translation>결과 공유</translation>
    </message>
    <message>
        <source>好耶</source>
        <translation>야호</translation>
    </message>
    <message>
        <source>果冻</source>
        <translation>젤리</translation>
    </message>
    <message>
        <source>列表</source>
        <translation>목록</translation>
    </message>
    <message>
        <source>建议清理</source>
        <translation>정리 추천</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 项</source>
        <translation>
            <numerusform>나머지 %n개 항목</numerusform>
        </translation>
    </message>
    <message>
        <source>切到列表看全部</source>
        <translation>목록으로 전환해 모두 보기</translation>
    </message>
    <message numerus="yes">
        <source>%n 项 · 已选 %1</source>
        <translation>
            <numerusform>%n개 항목 · %1 선택됨</numerusform>
        </translation>
    </message>
    <message>
        <source>正在处理…</source>
        <translation>처리 중…</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项 · %1</source>
        <translation>
            <numerusform>선택한 %n개 정리 · %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>清理 %n 项，共 %1？</source>
        <translation>
            <numerusform>%n개 항목(총 %1)을 정리할까요?</numerusform>
        </translation>
    </message>
    <message>
        <source>腾出 %1</source>
        <translation>%1를 확보했어요</translation>
    </message>
    <message numerus="yes">
        <source>%n 项没删掉</source>
        <translation>
            <numerusform>%n개 항목은 삭제하지 못했어요</numerusform>
        </translation>
    </message>
    <message>
        <source>点果冻选中，右键在访达中显示</source>
        <translation>젤리를 눌러 선택하고, 오른쪽 클릭하면 파일 관리자에서 볼 수 있어요</translation>
    </message>
    <message>
        <source>这里空空的，或者没有权限看</source>
        <translation>비어 있거나 볼 수 있는 권한이 없어요</translation>
    </message>
    <message>
        <source>返回（Esc）</source>
        <translation>뒤로 (Esc)</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>正在量「%1」…</source>
        <translation>‘%1’ 크기 재는 중…</translation>
    </message>
    <message>
        <source>这段时间没有东西明显变大</source>
        <translation>이 기간 동안 눈에 띄게 커진 항목이 없어요</translation>
    </message>
    <message>
        <source>冰沙每次扫描都会记一笔，攒两天就能看出谁在偷偷长大</source>
        <translation>Sorbeta는 스캔할 때마다 기록을 남겨요. 이틀쯤 지나면 몰래 커지고 있는 항목이 보여요</translation>
    </message>
    <message>
        <source>1 天</source>
        <translation>1일</translation>
    </message>
    <message>
        <source>7 天</source>
        <translation>7일</translation>
    </message>
    <message>
        <source>30 天</source>
        <translation>30일</translation>
    </message>
    <message>
        <source>这段时间
腾出来的空间</source>
        <translation>이 기간에
확보한 공간</translation>
    </message>
    <message>
        <source>这段时间
多用掉的空间</source>
        <translation>이 기간에
더 사용한 공간</translation>
    </message>
    <message>
        <source>扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。</source>
        <translation>한 번 스캔하면 Sorbeta가 하루에 한 번 기록을 남겨서 공간이 어디로 갔는지 알 수 있어요.</translation>
    </message>
    <message>
        <source>从 %1 开始记录，明天再来就能看到变化。</source>
        <translation>%1부터 기록하고 있어요. 내일 다시 오면 변화를 볼 수 있어요.</translation>
    </message>
    <message>
        <source>和 %1 相比</source>
        <translation>%1 대비</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>变大了</source>
        <translation>커짐</translation>
    </message>
    <message>
        <source>变小了</source>
        <translation>작아짐</translation>
    </message>
    <message>
        <source>这段时间没有明显变化 🍧</source>
        <translation>이 기간 동안 눈에 띄는 변화가 없어요 🍧</translation>
    </message>
    <message>
        <source>已用空间</source>
        <translation>사용한 공간</translation>
    </message>
    <message>
        <source>%1 G</source>
        <translation>%1 G</translation>
    </message>
    <message>
        <source>可用</source>
        <translation>사용 가능</translation>
    </message>
    <message>
        <source>内存</source>
        <translation>메모리</translation>
    </message>
    <message>
        <source>释放内存</source>
        <translation>메모리 확보</translation>
    </message>
    <message>
        <source>打开冰沙</source>
        <translation>Sorbeta 열기</translation>
    </message>
    <message>
        <source>清理可放心删的 %1</source>
        <translation>안전한 항목 %1 정리</translation>
    </message>
    <message>
        <source>扫描磁盘</source>
        <translation>디스크 스캔</translation>
    </message>
    <message>
        <source>正在扫描…</source>
        <translation>스캔 중…</translation>
    </message>
    <message numerus="yes">
        <source>自动打理：%n 条规则</source>
        <translation>
            <numerusform>자동 정리: 규칙 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>自动打理没开</source>
        <translation>자동 정리 꺼짐</translation>
    </message>
    <message>
        <source>上次自动清理 %1 · %2</source>
        <translation>마지막 자동 정리 %1 · %2</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>开发</source>
        <translation>개발</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>变化</source>
        <translation>변화</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>有了完全磁盘访问，冰沙才能看到文稿、下载、照片和聊天应用的数据，系统也不会一个个文件夹地弹窗。</source>
        <translation>Sorbeta는 사용자 계정의 권한 그대로 파일을 읽어요. 직접 열 수 있는 문서, 다운로드, 사진, 채팅 앱 데이터는 모두 계산에 들어가고, 따로 허용할 건 없어요.</translation>
    </message>
    <message>
        <source>已开启完全磁盘访问</source>
        <translation>모든 파일을 읽을 수 있어요</translation>
    </message>
    <message>
        <source>还没开启完全磁盘访问</source>
        <translation>읽을 수 없는 폴더가 있어요</translation>
    </message>
    <message>
        <source>上次检查：</source>
        <translation>마지막 확인: </translation>
    </message>
    <message>
        <source>自动检查更新</source>
        <translation>자동으로 업데이트 확인</translation>
    </message>
    <message>
        <source>有新版本时冰沙会提醒你，一键装好。</source>
        <translation>새 버전이 나오면 Sorbeta가 알려 주고, 클릭 한 번으로 다운로드 페이지를 열 수 있어요.</translation>
    </message>
    <message>
        <source>现在检查</source>
        <translation>지금 확인</translation>
    </message>
    <message>
        <source>缤纷果冻风格的 Mac 清理工具</source>
        <translation>알록달록 젤리 스타일의 컴퓨터 정리 도구</translation>
    </message>
    <message>
        <source>冰沙关掉窗口后会留在菜单栏，每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>창을 닫아도 Sorbeta는 시스템 트레이에 남아 30분마다 한 번씩 살펴봐요. 지워도 저절로 다시 만들어지는 캐시만 자동으로 정리하며, 관련 앱이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>这台电脑没有系统托盘，关掉窗口冰沙就退出了，只在窗口开着时每 30 分钟看一眼。只会自动清理删了能自己重建的缓存，相关应用开着时跳过。</source>
        <translation>이 컴퓨터에는 시스템 트레이가 없어서 창을 닫으면 Sorbeta가 종료되고, 창이 열려 있는 동안에만 30분마다 한 번씩 살펴봐요. 지워도 저절로 다시 만들어지는 캐시만 자동으로 정리하며, 관련 앱이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>换语言后冰沙会自动重新打开一次。</source>
        <translation>언어를 바꾸면 Sorbeta가 자동으로 한 번 다시 열려요.</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>인터페이스 언어</translation>
    </message>
    <message>
        <source>果冻音效</source>
        <translation>젤리 효과음</translation>
    </message>
    <message>
        <source>手动清理的东西先放 7 天，可以恢复</source>
        <translation>직접 정리한 항목은 7일 동안 보관해 복원할 수 있게 하기</translation>
    </message>
    <message>
        <source>开机时自动启动</source>
        <translation>로그인할 때 자동으로 시작</translation>
    </message>
    <message>
        <source>每天自动记一笔空间变化</source>
        <translation>매일 공간 변화를 자동으로 기록</translation>
    </message>
    <message>
        <source>可用空间少于 %1 G 时提醒我</source>
        <translation>여유 공간이 %1 G 미만이면 알림</translation>
    </message>
    <message>
        <source>第一次打开提醒时，系统会问一次能不能发通知。</source>
        <translation>알림은 시스템 알림으로 표시돼요.</translation>
    </message>
    <message>
        <source>内存紧张时提醒我</source>
        <translation>메모리가 부족하면 알림</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>自动清理</source>
        <translation>자동 정리</translation>
    </message>
    <message>
        <source>权限</source>
        <translation>권한</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>我给 Mac 腾出了</source>
        <translation>내 컴퓨터에서 확보한 공간</translation>
    </message>
    <message>
        <source>用冰沙给 Mac 腾地方</source>
        <translation>Sorbeta로 컴퓨터 공간 확보하기</translation>
    </message>
    <message numerus="yes">
        <source>清理了 %n 项 · 可用空间 %1 → %2</source>
        <translation>
            <numerusform>%n개 항목 정리 · 여유 공간 %1 → %2</numerusform>
        </translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>이미지 저장</translation>
    </message>
    <message>
        <source>清理战报</source>
        <translation>정리 결과</translation>
    </message>
    <message>
        <source>存下来发到小红书、Instagram，或者用隔空投送传到手机。</source>
        <translation>저장해서 샤오홍슈나 Instagram에 올리거나, ‘공유…’로 다른 앱에 보내 보세요.</translation>
    </message>
    <message>
        <source>没能保存图片</source>
        <translation>이미지를 저장하지 못했어요</translation>
    </message>
    <message>
        <source>已保存到「%1」</source>
        <translation>‘%1’에 저장했어요</translation>
    </message>
    <message>
        <source>已拷贝，可以直接粘贴</source>
        <translation>복사했어요. 바로 붙여 넣을 수 있어요</translation>
    </message>
    <message>
        <source>用默认应用打开</source>
        <translation>기본 앱으로 열기</translation>
    </message>
    <message>
        <source>拷贝图片</source>
        <translation>이미지 복사</translation>
    </message>
    <message>
        <source>分享…</source>
        <translation>공유…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>退出 </source>
        <translation>종료: </translation>
    </message>
    <message>
        <source>最占内存的应用</source>
        <translation>메모리를 가장 많이 쓰는 앱</translation>
    </message>
    <message>
        <source>一键释放内存</source>
        <translation>메모리 확보</translation>
    </message>
    <message>
        <source>释放内存？</source>
        <translation>메모리를 확보할까요?</translation>
    </message>
    <message>
        <source>释放</source>
        <translation>확보</translation>
    </message>
    <message>
        <source>算了</source>
        <translation>그만두기</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>已运行</source>
        <translation>가동 시간</translation>
    </message>
    <message>
        <source>处理器</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <source>电池</source>
        <translation>배터리</translation>
    </message>
    <message>
        <source>交换区</source>
        <translation>스왑</translation>
    </message>
    <message>
        <source>正在释放…</source>
        <translation>확보 중…</translation>
    </message>
    <message>
        <source>内存已用</source>
        <translation>메모리 사용량</translation>
    </message>
    <message>
        <source>内存很紧张，关掉几个不用的应用会好很多 🥵</source>
        <translation>메모리가 많이 부족해요. 안 쓰는 앱을 몇 개 닫으면 훨씬 나아져요 🥵</translation>
    </message>
    <message>
        <source>内存有点吃紧，可以看看右边谁最占地方</source>
        <translation>메모리가 조금 빠듯해요. 오른쪽에서 어떤 앱이 가장 많이 쓰는지 확인해 보세요</translation>
    </message>
    <message>
        <source>内存很宽裕，电脑状态不错 ✨</source>
        <translation>메모리가 넉넉해요. 컴퓨터 상태가 좋아요 ✨</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n 天</source>
        <translation>
            <numerusform>%n일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 小时</source>
        <translation>
            <numerusform>%n시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 核</source>
        <translation>
            <numerusform>%n코어</numerusform>
        </translation>
    </message>
    <message>
        <source>负载 %1</source>
        <translation>부하 %1</translation>
    </message>
    <message>
        <source>可用 </source>
        <translation>사용 가능 </translation>
    </message>
    <message>
        <source> · 充电中</source>
        <translation> · 충전 중</translation>
    </message>
    <message>
        <source> · 接着电源</source>
        <translation> · 전원 연결됨</translation>
    </message>
    <message numerus="yes">
        <source>循环 %n 次</source>
        <translation>
            <numerusform>충전 사이클 %n회</numerusform>
        </translation>
    </message>
    <message>
        <source>没用到</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>用了 </source>
        <translation>사용 중 </translation>
    </message>
    <message>
        <source>可以回收的缓存：</source>
        <translation>회수할 수 있는 캐시: </translation>
    </message>
    <message>
        <source>会用系统自带的 purge 清掉文件缓存，需要输入管理员密码（由系统弹窗，冰沙看不到）。</source>
        <translation>커널이 파일 캐시를 비워요. 관리자 암호가 필요해요(시스템 창에서 입력하며, Sorbeta는 볼 수 없어요).</translation>
    </message>
    <message>
        <source>之后几分钟里打开文件会稍慢一点，系统会慢慢重新缓存。</source>
        <translation>그 후 몇 분 동안은 시스템이 다시 캐시하는 동안 파일이 조금 느리게 열릴 수 있어요.</translation>
    </message>
    <message>
        <source>将移到废纸篓</source>
        <translation>휴지통으로 이동 예정</translation>
    </message>
    <message>
        <source>退出它</source>
        <translation>종료하기</translation>
    </message>
    <message>
        <source>把 %1 和勾选的残留移到废纸篓？</source>
        <translation>%1 및 체크한 잔여 파일을 휴지통으로 옮길까요?</translation>
    </message>
    <message numerus="yes">
        <source>共 %n 项，%1。在废纸篓里还能放回去。</source>
        <translation>
            <numerusform>총 %n개 항목, %1. 휴지통에서 다시 되돌릴 수 있어요.</numerusform>
        </translation>
    </message>
    <message>
        <source>移到废纸篓</source>
        <translation>휴지통으로 이동</translation>
    </message>
    <message>
        <source>应用本体</source>
        <translation>앱 본체</translation>
    </message>
    <message>
        <source>应用程序本身</source>
        <translation>애플리케이션 자체</translation>
    </message>
    <message>
        <source>没找到它在资源库里留下的东西</source>
        <translation>설정, 캐시, 데이터 폴더에 남긴 항목이 없어요</translation>
    </message>
    <message>
        <source>没开完全磁盘访问，沙盒容器里的数据没查</source>
        <translation>전체 디스크 접근 권한이 없어서 샌드박스 컨테이너의 데이터는 확인하지 않았어요</translation>
    </message>
    <message>
        <source>正在移走…</source>
        <translation>옮기는 중…</translation>
    </message>
    <message>
        <source>正在给应用称重…</source>
        <translation>앱 크기 재는 중…</translation>
    </message>
    <message>
        <source>按大小</source>
        <translation>크기순</translation>
    </message>
    <message>
        <source>最久没用</source>
        <translation>오래 안 쓴 순</translation>
    </message>
    <message>
        <source>搜应用</source>
        <translation>앱 검색</translation>
    </message>
    <message>
        <source>照片与媒体</source>
        <translation>사진 및 미디어</translation>
    </message>
    <message>
        <source>文稿与下载</source>
        <translation>문서 및 다운로드</translation>
    </message>
    <message>
        <source>项目与代码</source>
        <translation>프로젝트 및 코드</translation>
    </message>
    <message>
        <source>Xcode 与 iOS 开发</source>
        <translation>Xcode 및 iOS 개발</translation>
    </message>
    <message>
        <source>本地 AI 模型</source>
        <translation>로컬 AI 모델</translation>
    </message>
    <message>
        <source>依赖包缓存</source>
        <translation>패키지 캐시</translation>
    </message>
    <message>
        <source>聊天记录</source>
        <translation>채팅 기록</translation>
    </message>
    <message>
        <source>iPhone 备份与固件</source>
        <translation>iPhone 백업 및 펌웨어</translation>
    </message>
    <message>
        <source>应用程序</source>
        <translation>애플리케이션</translation>
    </message>
    <message>
        <source>应用缓存</source>
        <translation>앱 캐시</translation>
    </message>
    <message>
        <source>废纸篓</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。</source>
        <translation>빌드 중간 산출물이에요. 다음 빌드 때 자동으로 다시 만들어져요. Xcode가 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>模拟器缓存</source>
        <translation>시뮬레이터 캐시</translation>
    </message>
    <message>
        <source>CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。</source>
        <translation>CoreSimulator 캐시와 각 시뮬레이터의 임시 파일이에요. 필요하면 다시 만들어져요.</translation>
    </message>
    <message>
        <source>旧的设备支持文件</source>
        <translation>오래된 기기 지원 파일</translation>
    </message>
    <message>
        <source>连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。</source>
        <translation>연결했던 기기가 남긴 심볼 파일이에요. 시스템 버전마다 최신 2개만 남기고 나머지는 삭제해요. 오래된 기기를 다시 연결하면 다시 복사돼요.</translation>
    </message>
    <message>
        <source>Xcode 缓存</source>
        <translation>Xcode 캐시</translation>
    </message>
    <message>
        <source>Xcode 自己的缓存目录。</source>
        <translation>Xcode 자체 캐시 폴더예요.</translation>
    </message>
    <message>
        <source>浏览器缓存</source>
        <translation>브라우저 캐시</translation>
    </message>
    <message>
        <source>Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。</source>
        <translation>Chrome, Chromium, Edge, Brave, Firefox의 웹 캐시예요. 쿠키, 방문 기록, 비밀번호는 건드리지 않아요. 브라우저가 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>npm 缓存</source>
        <translation>npm 캐시</translation>
    </message>
    <message>
        <source>npm 的下载缓存，装包时会重新下载。</source>
        <translation>npm 다운로드 캐시예요. 패키지를 설치할 때 다시 내려받아요.</translation>
    </message>
    <message>
        <source>Yarn 缓存</source>
        <translation>Yarn 캐시</translation>
    </message>
    <message>
        <source>Yarn 的下载缓存。</source>
        <translation>Yarn 다운로드 캐시예요.</translation>
    </message>
    <message>
        <source>Bun 缓存</source>
        <translation>Bun 캐시</translation>
    </message>
    <message>
        <source>Bun 的安装缓存。</source>
        <translation>Bun 설치 캐시예요.</translation>
    </message>
    <message>
        <source>pip 缓存</source>
        <translation>pip 캐시</translation>
    </message>
    <message>
        <source>Python 包的下载缓存。</source>
        <translation>Python 패키지 다운로드 캐시예요.</translation>
    </message>
    <message>
        <source>Homebrew 下载缓存</source>
        <translation>Homebrew 다운로드 캐시</translation>
    </message>
    <message>
        <source>已下载的安装包，brew 需要时会重新下载。API 索引保留。</source>
        <translation>다운로드한 설치 파일이에요. brew가 필요할 때 다시 내려받아요. API 색인은 남겨 둬요.</translation>
    </message>
    <message>
        <source>CocoaPods 缓存</source>
        <translation>CocoaPods 캐시</translation>
    </message>
    <message>
        <source>Pod 的下载缓存。</source>
        <translation>Pod 다운로드 캐시예요.</translation>
    </message>
    <message>
        <source>SwiftPM 缓存</source>
        <translation>SwiftPM 캐시</translation>
    </message>
    <message>
        <source>Swift Package 的下载缓存。</source>
        <translation>Swift 패키지 다운로드 캐시예요.</translation>
    </message>
    <message>
        <source>Go 编译缓存</source>
        <translation>Go 빌드 캐시</translation>
    </message>
    <message>
        <source>go build 的缓存，下次编译会重建。</source>
        <translation>go build 캐시예요. 다음 빌드 때 다시 만들어져요.</translation>
    </message>
    <message>
        <source>Gradle 临时文件</source>
        <translation>Gradle 임시 파일</translation>
    </message>
    <message>
        <source>Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。</source>
        <translation>Gradle 데몬 로그, 빌드 캐시, 알림이에요. 의존성 저장소 자체는 건드리지 않아요. Gradle이 실행 중이면 건너뛰어요.</translation>
    </message>
    <message>
        <source>其他开发工具缓存</source>
        <translation>기타 개발 도구 캐시</translation>
    </message>
    <message>
        <source>TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。</source>
        <translation>TypeScript, Vite, ESLint, Prettier, uv, Poetry, Ruff, Cargo, Composer, Android 등 여러 도구의 캐시예요. 모두 자동으로 다시 만들어져요.</translation>
    </message>
    <message>
        <source>用户日志</source>
        <translation>사용자 로그</translation>
    </message>
    <message>
        <source>应用写下的日志和崩溃报告，一般没人再看。</source>
        <translation>앱이 남긴 로그와 오류 보고서예요. 보통 다시 볼 일이 없어요.</translation>
    </message>
    <message>
        <source>iOS 固件安装包</source>
        <translation>iOS 펌웨어 설치 파일</translation>
    </message>
    <message>
        <source>通过访达更新设备时下载的 .ipsw，用完就没用了。</source>
        <translation>iPhone이나 iPad를 업데이트할 때 내려받은 .ipsw 펌웨어 파일이에요. 설치가 끝나면 필요 없어요.</translation>
    </message>
    <message>
        <source>没下载完的文件</source>
        <translation>다운로드가 끝나지 않은 파일</translation>
    </message>
    <message>
        <source>下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。</source>
        <translation>다운로드 폴더에 있는 중단된 .download / .crdownload / .part 파일 중 하루 넘게 그대로인 것이에요.</translation>
    </message>
    <message>
        <source>微信缓存</source>
        <translation>WeChat 캐시</translation>
    </message>
    <message>
        <source>微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。</source>
        <translation>WeChat의 썸네일과 웹 캐시예요. 삭제해도 자동으로 다시 만들어져요. 채팅 기록, 이미지, 파일은 건드리지 않아요. WeChat이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>LINE 缓存</source>
        <translation>LINE 캐시</translation>
    </message>
    <message>
        <source>LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。</source>
        <translation>LINE 캐시예요. 삭제해도 자동으로 다시 만들어져요. 채팅 기록과 앨범은 건드리지 않아요. LINE이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>QQ 缓存</source>
        <translation>QQ 캐시</translation>
    </message>
    <message>
        <source>QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。</source>
        <translation>QQ 캐시예요. 삭제해도 자동으로 다시 만들어져요. 채팅 기록과 파일은 건드리지 않아요. QQ가 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>Discord 缓存</source>
        <translation>Discord 캐시</translation>
    </message>
    <message>
        <source>Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。</source>
        <translation>Discord의 웹 및 이미지 캐시예요. 삭제해도 자동으로 다시 만들어져요. Discord가 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>Slack 缓存</source>
        <translation>Slack 캐시</translation>
    </message>
    <message>
        <source>Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。</source>
        <translation>Slack의 웹 및 이미지 캐시예요. 삭제해도 자동으로 다시 만들어져요. Slack이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>剪映 / CapCut 缓存</source>
        <translation>JianYing / CapCut 캐시</translation>
    </message>
    <message>
        <source>剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。</source>
        <translation>편집하면서 생긴 미리보기와 소재 캐시예요. 초안을 다시 열면 다시 만들어져요. 초안과 내보낸 동영상은 건드리지 않아요. JianYing이나 CapCut이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>旧项目的依赖与构建产物</source>
        <translation>오래된 프로젝트의 의존성과 빌드 결과물</translation>
    </message>
    <message>
        <source>代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。</source>
        <translation>코드 폴더에서 7일 동안 변경되지 않은 프로젝트의 node_modules, target, .build, Pods, .venv 등이에요. git으로 추적되는 파일은 건드리지 않아요. 삭제한 후에는 의존성을 다시 설치해야 해요.</translation>
    </message>
    <message>
        <source>清空第三方应用缓存</source>
        <translation>타사 앱 캐시 비우기</translation>
    </message>
    <message>
        <source>各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。</source>
        <translation>모든 앱의 캐시예요. 실행 중인 앱, 시스템 구성 요소, 비밀번호 관리자의 캐시는 건너뛰어요. 삭제한 후 한동안 앱이 느려질 수 있어요.</translation>
    </message>
    <message>
        <source>pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。</source>
        <translation>pnpm 전역 콘텐츠 저장소예요. 기존 프로젝트는 계속 쓸 수 있지만 다음 설치 때 다시 내려받아요.</translation>
    </message>
    <message>
        <source>打包归档。删掉后就不能再从这些归档重新导出或上传了。</source>
        <translation>패키징된 아카이브예요. 삭제하면 이 아카이브에서 다시 내보내거나 업로드할 수 없어요.</translation>
    </message>
    <message>
        <source>iPhone / iPad 备份</source>
        <translation>iPhone / iPad 백업</translation>
    </message>
    <message>
        <source>设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。</source>
        <translation>기기의 로컬 백업이에요. 삭제하면 되찾을 수 없어요.</translation>
    </message>
    <message>
        <source>清倒废纸篓</source>
        <translation>휴지통 비우기</translation>
    </message>
    <message>
        <source>废纸篓里的东西会被永久删除。</source>
        <translation>휴지통에 있는 항목이 영구히 삭제돼요.</translation>
    </message>
    <message>
        <source>微信里 3 个月前的图片和视频</source>
        <translation>WeChat의 3개월 지난 이미지와 동영상</translation>
    </message>
    <message>
        <source>聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。</source>
        <translation>채팅에서 받은 지 3개월이 지난 이미지, 동영상, 파일이에요. 삭제하면 WeChat에서 만료됨으로 표시되고, 대부분 다시 내려받을 수 없어요. WeChat이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>Telegram 下载过的媒体</source>
        <translation>Telegram에서 내려받은 미디어</translation>
    </message>
    <message>
        <source>Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。</source>
        <translation>Telegram에서 본 이미지와 동영상의 로컬 사본이에요. 클라우드에 남아 있는 것은 다시 내려받을 수 있지만, 비밀 대화의 것은 되찾을 수 없어요. Telegram이 열려 있으면 건너뛰어요.</translation>
    </message>
    <message>
        <source>下载文件夹里的旧安装包</source>
        <translation>다운로드 폴더의 오래된 설치 파일</translation>
    </message>
    <message>
        <source>下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。</source>
        <translation>다운로드 폴더에서 2주 넘게 그대로인 .deb 및 .rpm 파일이에요. 소프트웨어를 설치하고 나면 설치 파일은 보통 필요 없어요.</translation>
    </message>
    <message>
        <source>模拟器运行时</source>
        <translation>시뮬레이터 런타임</translation>
    </message>
    <message>
        <source>每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 Xcode 下载。</source>
        <translation>시스템 버전마다 하나씩 있는 시뮬레이터 이미지로, 8 G를 훌쩍 넘기도 해요. 60일 동안 쓰지 않았고, 사용하는 기기가 없고, 최신 버전도 아닌 것은 기본으로 체크돼요. 필요해지면 Xcode에서 다시 내려받으세요.</translation>
    </message>
    <message>
        <source>模拟器设备</source>
        <translation>시뮬레이터 기기</translation>
    </message>
    <message>
        <source>每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。</source>
        <translation>각 시뮬레이터에 설치된 앱과 데이터예요. 90일 동안 열지 않았거나 런타임이 이미 삭제된 것은 기본으로 체크돼요.</translation>
    </message>
    <message>
        <source>Xcode 归档</source>
        <translation>Xcode 아카이브</translation>
    </message>
    <message>
        <source>按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。</source>
        <translation>앱별로 묶여 있으며, 앱마다 최신 아카이브 2개는 기본으로 남겨 둬요. 삭제한 아카이브는 다시 내보내거나 업로드할 수 없어요.</translation>
    </message>
    <message>
        <source>多个 Xcode</source>
        <translation>여러 개의 Xcode</translation>
    </message>
    <message>
        <source>装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。</source>
        <translation>Xcode가 두 개 이상 설치되어 있어요. 기본으로 체크하지 않으니, 더 이상 쓰지 않는다고 확신할 때 휴지통으로 옮기세요.</translation>
    </message>
    <message>
        <source>Android SDK</source>
        <translation>Android SDK</translation>
    </message>
    <message>
        <source>系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。</source>
        <translation>시스템 이미지와 에뮬레이터예요. 90일 동안 건드리지 않은 에뮬레이터는 기본으로 체크돼요. 이미지는 필요할 때 SDK Manager로 다시 내려받을 수 있어요.</translation>
    </message>
    <message>
        <source>Docker 与虚拟机</source>
        <translation>Docker 및 가상 머신</translation>
    </message>
    <message>
        <source>容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。</source>
        <translation>컨테이너와 가상 머신의 디스크 파일이에요. 여기서는 크기만 보여 줘요. Docker가 실행 중이면 쓰지 않는 이미지와 컨테이너를 한 번에 정리할 수 있어요.</translation>
    </message>
    <message>
        <source>很久没动的项目</source>
        <translation>오래 방치된 프로젝트</translation>
    </message>
    <message>
        <source>90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git 跟踪的也不动。</source>
        <translation>90일 동안 변경되지 않은 프로젝트예요. 의존성과 빌드 결과물(node_modules, target, Pods…)만 정리하고, 코드와 git으로 추적되는 파일은 건드리지 않아요.</translation>
    </message>
    <message>
        <source>重复文件</source>
        <translation>중복 파일</translation>
    </message>
    <message>
        <source>内容完全一样的文件（逐字节比较过）。每组默认保留最早的那一份。</source>
        <translation>내용이 완전히 같은 파일이에요(바이트 단위로 비교했어요). 묶음마다 가장 오래된 파일 하나는 기본으로 남겨 둬요.</translation>
    </message>
    <message>
        <source>旧安装包</source>
        <translation>오래된 설치 파일</translation>
    </message>
    <message>
        <source>下载文件夹里 30 天前的 .dmg、.pkg、.zip，装完一般就用不着了。</source>
        <translation>다운로드 폴더에 있는 30일 지난 .deb, .rpm, .zip, .iso 파일이에요. 설치가 끝나면 보통 필요 없어요.</translation>
    </message>
    <message>
        <source>一年多没打开</source>
        <translation>1년 넘게 열지 않음</translation>
    </message>
    <message>
        <source>超过 100 M、一年多没打开也没改过的文件。不会默认勾选，看一眼再决定。</source>
        <translation>100 M보다 크고 1년 넘게 열거나 수정한 적 없는 파일이에요. 기본으로 체크하지 않으니 한번 살펴보고 결정하세요.</translation>
    </message>
    <message>
        <source>大文件</source>
        <translation>큰 파일</translation>
    </message>
    <message>
        <source>500 M 以上的文件，按大小排。不会默认勾选。</source>
        <translation>500 M 이상인 파일을 크기순으로 보여 줘요. 기본으로 체크하지 않아요.</translation>
    </message>
    <message>
        <source>系统与其他</source>
        <translation>시스템 및 기타</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1，暂存区 %2）</source>
        <translation>선택 항목 정리 후 여유 공간
(현재 %1, 임시 보관함 %2)</translation>
    </message>
    <message>
        <source>清理所选后可用
（现在 %1）</source>
        <translation>선택 항목 정리 후 여유 공간
(현재 %1)</translation>
    </message>
    <message>
        <source>很干净，没找到可以清理的东西 ✨</source>
        <translation>아주 깨끗해요. 정리할 항목이 없어요 ✨</translation>
    </message>
    <message>
        <source>准备扫描…</source>
        <translation>스캔 준비 중…</translation>
    </message>
    <message>
        <source>可以清理 %1，其中 %2 可以放心删除。</source>
        <translation>%1를 정리할 수 있고, 그중 %2는 안심하고 삭제할 수 있어요.</translation>
    </message>
    <message>
        <source>正在重新扫描「%1」…</source>
        <translation>‘%1’ 다시 스캔 중…</translation>
    </message>
    <message>
        <source>正在翻看「%1」…</source>
        <translation>‘%1’ 살펴보는 중…</translation>
    </message>
    <message>
        <source>正在清理「%1」… %2/%3</source>
        <translation>‘%1’ 정리 중… %2/%3</translation>
    </message>
    <message>
        <source>正在清理，稍等一下 🫧</source>
        <translation>정리 중이에요. 잠시만 기다려 주세요 🫧</translation>
    </message>
    <message numerus="yes">
        <source>清理所选 %n 项</source>
        <translation>
            <numerusform>선택한 %n개 정리</numerusform>
        </translation>
    </message>
    <message>
        <source>选一些果冻来清理</source>
        <translation>정리할 젤리를 골라 주세요</translation>
    </message>
    <message>
        <source>扫描完就能清理</source>
        <translation>스캔이 끝나면 정리할 수 있어요</translation>
    </message>
    <message>
        <source>正在清理…</source>
        <translation>정리 중…</translation>
    </message>
    <message>
        <source>

会先放进暂存区，7 天内可以恢复，之后自动删除。</source>
        <translation>

먼저 임시 보관함으로 옮겨져 7일 안에 복원할 수 있으며, 그 후에는 자동으로 삭제돼요.</translation>
    </message>
    <message>
        <source>

文件会被直接删除，不经过废纸篓。</source>
        <translation>

파일은 휴지통을 거치지 않고 바로 삭제돼요.</translation>
    </message>
    <message>
        <source>已选 %1 / %2</source>
        <translation>%1 / %2 선택됨</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>모두 선택 해제</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>暂存区 %1 · 7 天内可以恢复</source>
        <translation>임시 보관함 %1 · 7일 안에 복원 가능</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>系统占用</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>已压缩</source>
        <translation>압축됨</translation>
    </message>
    <message>
        <source>文件缓存</source>
        <translation>파일 캐시</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>여유</translation>
    </message>
    <message>
        <source>%1 没能移到废纸篓</source>
        <translation>%1 앱을 휴지통으로 옮기지 못했어요</translation>
    </message>
    <message>
        <source> 移到废纸篓了 · </source>
        <translation> 앱을 휴지통으로 옮겼어요 · </translation>
    </message>
    <message numerus="yes">
        <source>有 %n 项没权限移走，可以在访达里手动拖进废纸篓</source>
        <translation>
            <numerusform>%n개 항목은 권한이 없어 옮기지 못했어요. 파일 관리자에서 직접 휴지통으로 끌어다 놓으세요</numerusform>
        </translation>
    </message>
    <message>
        <source>清倒废纸篓后才会腾出空间，反悔的话去废纸篓里放回来</source>
        <translation>휴지통을 비워야 공간이 확보돼요. 마음이 바뀌면 휴지통에서 되돌리세요</translation>
    </message>
    <message>
        <source>彻底删除刚卸载的 </source>
        <translation>방금 제거한 </translation>
    </message>
    <message>
        <source>？</source>
        <translation> 앱을 완전히 삭제할까요?</translation>
    </message>
    <message>
        <source>只删这次移进废纸篓的 </source>
        <translation>이번에 휴지통으로 옮긴 </translation>
    </message>
    <message>
        <source>，废纸篓里别的东西不动。删了就不能放回来了。</source>
        <translation>만 삭제해요. 휴지통의 다른 항목은 건드리지 않아요. 삭제하면 되돌릴 수 없어요.</translation>
    </message>
    <message>
        <source>彻底删除</source>
        <translation>완전히 삭제</translation>
    </message>
    <message numerus="yes">
        <source>%n 处残留</source>
        <translation>
            <numerusform>잔여 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>正在给应用称重… %1/%2</source>
        <translation>앱 크기 재는 중… %1/%2</translation>
    </message>
    <message>
        <source>很久没打开的排在前面，这些最值得卸。</source>
        <translation>오랫동안 열지 않은 앱이 앞에 나와요. 제거하기 가장 좋은 후보예요.</translation>
    </message>
    <message>
        <source>点一个应用，看看它在电脑里留了多少东西。卸载会移到废纸篓，可以放回来。</source>
        <translation>앱을 누르면 컴퓨터에 얼마나 많은 것을 남겼는지 볼 수 있어요. 제거하면 휴지통으로 옮겨지므로 되돌릴 수 있어요.</translation>
    </message>
    <message numerus="yes">
        <source>%n 个应用
连同它们的残留</source>
        <translation>
            <numerusform>앱 %n개
잔여 파일 포함</numerusform>
        </translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>%1 正在运行，先退出再卸载</source>
        <translation>%1 앱이 실행 중이에요. 먼저 종료한 뒤 제거하세요</translation>
    </message>
    <message>
        <source>%1 的后台助手还在运行，先退出再卸载</source>
        <translation>%1의 백그라운드 도우미가 아직 실행 중이에요. 먼저 종료한 뒤 제거하세요</translation>
    </message>
    <message numerus="yes">
        <source>其余 %n 个</source>
        <translation>
            <numerusform>그 외 %n개</numerusform>
        </translation>
    </message>
</context>
</TS>
