#pragma once
// Where Temparoka lives on the web and how to reach its makers. Until the
// product has a home of its own these are addresses under a reserved
// example domain; change them here and nowhere else.

namespace temparoka {

inline constexpr char kProductWebAddress[] = "https://temparoka.example/";
inline constexpr char kContactEmail[] = "hello@temparoka.example";
inline constexpr char kProductVersion[] = "1.0";

}  // namespace temparoka
