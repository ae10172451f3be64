// The game state of Kordavelmix: both sides' pieces, the score counts, the drag in progress and
// the board geometry of the last frame, together with the rules the player is held to.
#pragma once

#include <cstdint>

class Surface;
struct MoveStep;

// The board is kBoardSide squares a side; rows and columns both run from 0 to kBoardSide - 1.
inline constexpr int kBoardSide = 8;
// Each side starts with this many men, on its kHomeRows rows nearest its own edge.
inline constexpr int kPiecesPerSide = 12;
inline constexpr int kHomeRows = 3;
// The rows on which each side's men are crowned: the far edge from their home rows.
inline constexpr int kPlayerCrowningRow = 0;
inline constexpr int kCpuCrowningRow = kBoardSide - 1;

// A square of the board, row first as the PieceSet queries take it.
struct Cell {
  int row;
  int col;
};

// Piece states. A captured piece is not marked: it leaves its PieceSet.
enum PieceState : std::int32_t { Man = 2, King = 3 };

// Drag states; the only test ever made is whether the state equals Dragging.
enum DragState : std::int32_t { Idle = 0, Dragging = 2 };

// Side colours of a PieceSet.
enum SideColour : std::int32_t { BlackSide = 0, WhiteSide = 1 };

// Result codes of EndDrag and ValidateMove. Only Moved and Captured change the position.
namespace MoveCode {
inline constexpr int DropOnCpuPiece = -1;  // the drop square holds a computer piece
inline constexpr int NotDiagonal = -2;     // not a diagonal move
inline constexpr int BadStep = -3;         // a man's one-square move that is no legal step
inline constexpr int BadJump = -4;         // a man's two-square move that is no legal capture
inline constexpr int TooFar = -5;          // a man moved three or more squares
inline constexpr int Refused = 0;          // a king's move refused, or no drag in progress
inline constexpr int Moved = 1;            // a move without capture was made
inline constexpr int Captured = 2;         // a capture was made
inline constexpr int MustCapture = 4;      // a quiet move refused while a capture is available
}  // namespace MoveCode

// One piece: three 32-bit signed integers in this order.
struct Piece {
  std::int32_t state;
  std::int32_t row;
  std::int32_t col;
};

// One side's pieces. Entries 0 to count - 1 are live, in a fixed order that removals keep;
// later entries are stale and never read.
struct PieceSet {
  static constexpr int kCapacity = kPiecesPerSide;

  Piece pieces[kCapacity];
  std::int32_t count;
  std::int32_t colour;
};

// 1 if one of the live entries of the set stands on the square, whatever its state; else 0.
int IsOccupied(const PieceSet& set, int row, int col);
// Index of the first live entry on the square, or -1.
int IndexOf(const PieceSet& set, int row, int col);

// The whole state of one game. Squares are (row, column), row 0 at the top as drawn; pieces stand
// only where row + column is odd. The player (white) moves towards row 0, the computer (black)
// towards row 7. PieceSet queries take the row first; pixel conversion and the drag operations
// take the column first.
class Board {
 public:
  Board();
  virtual ~Board();

  // New game and set-up.
  void SetupSide(PieceSet& set, int colour, int top);
  void NewGame();

  // Pieces, pixels and the drag.
  void RemovePiece(PieceSet& set, int row, int col);
  void PixelToCell(int x, int y, int* col, int* row) const;
  void BeginDrag(int col, int row, int x, int y);
  void DragTo(int x, int y);

  // The player's rules.
  int EndDrag(int col, int row);
  int ValidateMove(int col, int row);
  int HasCapture() const;
  int TryKingMove(Piece& piece, int row, int col, int colStep, int rowStep);
  int CanManCapture(int row, int col, int colStep, int rowStep) const;
  int CanKingCapture(const Piece& piece, int colStep, int rowStep) const;
  static int IsOnBoard(int row, int col);

  // Game-end and capture-continuation tests.
  int CanCaptureAgain(int row, int col) const;
  int PlayerHasNoMove() const;

  // Drawing of one frame onto a surface.
  void DrawBoard(int left, int top, int cell, Surface& surface, int count, const MoveStep* steps);
  void DrawSquares(int left, int top, int cell, Surface& surface) const;
  void DrawPieces(int left, int top, int cell, Surface& surface) const;
  void DrawPieceSet(int left, int top, int cell, Surface& surface, const PieceSet& set) const;
  void DrawScore(Surface& surface, int boardSide) const;
  void DrawLabel(Surface& surface, int x, int y, int size, const char* text, int colourCode) const;

  std::int32_t playerCount;
  std::int32_t cpuCount;
  PieceSet player;
  PieceSet cpu;
  std::int32_t dragState;
  std::int32_t selectedIndex;
  std::int32_t dragCol;
  std::int32_t dragRow;
  std::int32_t mouseX;
  std::int32_t mouseY;
  std::int32_t originX;
  std::int32_t originY;
  std::int32_t cellSize;

 private:
  // 1 if a computer piece stands next to the square in the direction and the square behind it is
  // on the board and empty: the short jump, the one test of it that a man's capture, HasCapture,
  // CanCaptureAgain and PlayerHasNoMove all ask.
  int HasShortJump(int row, int col, int colStep, int rowStep) const;
};

// The one board of the process.
extern Board theBoard;

// Starts a new game on theBoard.
void StartNewGame();
