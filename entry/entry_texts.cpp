#include "entry/entry_texts.h"

namespace kestavo {

// Xa, Ya, Xb, Yb, in the order they are asked for.
const std::array<EntryTexts, 4> kCoordinateTexts{{
    {"请输入起始点 A 的纵座标 Xa:",
     "已经输入的起始点 A 的纵座标 Xa 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )",
     "输入起始点 A 正确的纵座标 Xa:",
     "这次输入的起始点 A 的纵座标 Xa是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 ); "
     " 输入错误按零( 即:0 )"},
    {"请输入起始点A的横座标 Ya:",
     "已经输入的起始点 A 的横座标 Ya 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )",
     "输入起始点 A 正确的横座标 Ya:",
     "这次输入的起始点 A 的横座标 Ya 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )"},
    {"请输入起始点B的纵座标 Xb:",
     "已经输入的起始点 B 的纵座标 Xb 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )",
     "输入起始点 B 正确的纵座标 Xb:",
     "这次输入的起始点 B 的纵座标 Xb 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )"},
    {"请输入起始点B的横座标 Yb:",
     "已经输入的起始点 B 的横座标 Yb 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )",
     "输入起始点 B 正确的横座标 Yb:",
     "这次输入的起始点 B 的横座标 Yb 是否正确?  输入正确按 Enter 键或 OK 键( 即:Enter 键或 OK 键 "
     ");  输入错误按零( 即:0 )"},
}};

// The same four texts for every angle: the user tells the angles apart by
// their order. The first and the later question are one text.
const EntryTexts kAngleTexts{"请输入观测角的数值 B(i):",
                             "已经输入的观测角 B(i) 的数值是否正确?  输入正确按 Enter 键或 OK 键( "
                             "即:Enter 键或 OK 键 );  输入错误按零( 即:0 )",
                             "输入观测角正确的数值 B(i):",
                             "已经输入的观测角 B(i) 的数值是否正确?  输入正确按 Enter 键或 OK 键( "
                             "即:Enter 键或 OK 键 );  输入错误按零( 即:0 )"};

const std::string kNamePrompt =
    "请由第一个待定点开始以顺时针次序输入各个待定点的点名 na(i)，最后输入起算点A的点名";

}  // namespace kestavo
