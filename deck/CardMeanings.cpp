// The interpretations printed in a reading: one upright and one reversed
// paragraph per card, in deck order. This file holds only the table.

#include "deck/CardMeaningTable.h"

namespace kestrune::deck {

const std::array<CardMeaningRow, kCardCount> kCardMeanings = {{
    // 0 Death
    {"This is the beginning of a new life. You have to start from scratch. You won't get anything easily. Do not give up hope nor wallow in self pity. Give up old habits that you don't like and start a new life. There may be a lot of changes in your life.",
     "The changes in your life may not be pleasant. You may not be ready to face them. This may leave you exhausted mentally as well as physically. This may be a period of stagnation. You may be lethargic and make excuses for your actions."},
    // 1 The Hermit
    {"This is a time for looking within. You may withdraw from the crowd to find your own answers. Solitude and patience will bring you wisdom. A wise guide or teacher may come into your life. Listen to your inner voice before you act.",
     "You may be cutting yourself off from others for too long. Loneliness and isolation may weigh on you. You may refuse advice that could help you. Do not let fear keep you hidden. It is time to return to the people who care for you."},
    // 2 Judgement
    {"This is a time of awakening and renewal. You may look back on your life and see it clearly. Old mistakes can be forgiven and put behind you. An important decision or a call to a new purpose may come. Answer it with an open heart.",
     "You may be judging yourself too harshly. Doubt and guilt may hold you back from a needed change. You may ignore an inner call because you fear it. Lessons from the past have not been learnt. Avoid blaming others for your own choices."},
    // 3 Justice
    {"Fairness and truth will prevail. Legal matters and agreements may be settled in your favour if you have acted honestly. You will reap what you have sown. Weigh every side carefully before making a decision. Balance is restored.",
     "You may be treated unfairly or you may be unfair to others. Dishonesty may come to light. Legal matters may be delayed or go against you. You need to accept responsibility for your actions and stop avoiding the truth."},
    // 4 Strength
    {"You have the inner strength to overcome your problems. Courage, patience and gentleness will win where force would fail. You can master your fears and your passions. Others may look to you for support. Have faith in yourself.",
     "You may be doubting your own abilities. Fear and insecurity may get the better of you. You may give in to anger or lose your patience. You may feel weak and drained. Take time to rebuild your confidence before facing a challenge."},
    // 5 Temperance
    {"This signifies balance, moderation and patience. You can bring opposing forces together in harmony. Take the middle path and avoid extremes. Good health and calm will follow. Things will work out in their own time if you do not hurry them.",
     "There may be a lack of balance in your life. You may be given to excess in eating, drinking or spending. Haste and impatience may spoil your plans. Conflicts may arise at home or at work. You need to slow down and restore harmony."},
    // 6 The Fool
    {"This signifies the beginning of a new journey. It may be physical, spiritual or mental in nature. This is the time for new beginnings, ventures and adventures. Good time for making investments. But you also need to be careful and think twice before taking any decision.",
     "You may be making a bad or rash decision. Your impulsiveness will be the cause of your downfall. Not a good time to start a new venture. You need to exercise patience and discretion."},
    // 7 The Chariot
    {"You will succeed through determination and willpower. Obstacles can be overcome if you keep control of yourself. This is a time of victory and progress. Travel may be indicated. Stay focused on your goal and do not be pulled in different directions.",
     "You may have lost your sense of direction. Your plans may be blocked by obstacles or by your own lack of control. Aggression will not help you now. You may feel pulled in two directions. Take hold of the reins again before moving on."},
    // 8 The Devil
    {"You may feel bound by bad habits, addictions or unhealthy relationships. Material desires may rule your life. The chains are often of your own making. Look honestly at what holds you back. You have more power over your situation than you think.",
     "You may be breaking free from something that has held you back. Old habits and fears are losing their hold. This is a time of release and of taking back your own power. Be careful not to fall back into the same traps again."},
    // 9 The Emperor
    {"This signifies authority, order and stability. A strong father figure or a person in power may help you. You can build firm foundations through discipline and planning. Take charge of your situation and lead with a steady hand.",
     "You may be too rigid or too controlling. Someone in authority may be misusing power over you. Stubbornness may cause conflicts. You may lack discipline and structure in your life. Learn to lead without dominating others."},
    // 10 The Empress
    {"This is a symbol of fertility, abundance and comfort. Your home and family life may flourish. It is a good time for creative work and for caring for others. There may be news of a birth or a marriage. Enjoy the beauty around you.",
     "You may be neglecting yourself while caring too much for others. Creative work may be blocked. There may be problems at home or with money. You may be too dependent on others. Take time to nurture your own needs."},
    // 11 The Hanged Man
    {"This is a time of pause and surrender. You may need to let go of control and see things from a different angle. A sacrifice now may bring a greater gain later. Do not force matters. The answer will come when you stop struggling.",
     "You may feel dissatisfied with life. A feeling of disappointment depresses you. There is a lack of achievement that troubles you. Things may be delayed just when they are about to be completed. Try to overcome frustration and lead a normal life."},
    // 12 The Hierophant
    {"This signifies tradition, convention and spiritual guidance. You may seek advice from a teacher, a mentor or an institution. Marriage or a formal commitment may be indicated. Following established rules will serve you well at this time.",
     "You may feel restricted by rules and traditions. You may want to break away from convention and find your own way. Bad advice may mislead you. Be open to new ideas but do not rebel simply for the sake of it."},
    // 13 The High Priestess
    {"Trust your intuition. There are hidden forces at work and not everything is revealed yet. This is a time for quiet reflection, study and inner knowledge. Secrets may come to light. Listen to your dreams and your inner voice.",
     "You may be ignoring your intuition and following the opinions of others. Secrets and hidden agendas may work against you. You may feel cut off from your inner self. Emotions may be kept hidden for too long. Pay attention to what is not said."},
    // 14 The Lovers
    {"This signifies love, harmony and a deep bond with another person. A relationship may grow stronger. You may face an important choice that must come from the heart. Be true to your values and the right path will become clear.",
     "There may be disharmony in a relationship. You may be torn between two choices and unable to decide. Temptation may lead you astray. Values may clash with those of your partner. Think carefully before making a commitment."},
    // 15 The Magician
    {"You have all the skills and resources you need to succeed. This is a time of action and of turning ideas into reality. Your willpower and concentration are strong. Use your talents wisely and new opportunities will open up for you.",
     "You may be wasting your talents or not using them at all. Someone may be trying to deceive or manipulate you. Plans may fail through poor preparation. Be wary of people who promise too much. Use your skills honestly."},
    // 16 The Moon
    {"Things may not be what they seem. Confusion, illusion and fear may cloud your judgement. You may feel anxious without knowing why. Trust your intuition but check the facts. Do not make important decisions until the way is clear.",
     "The confusion is beginning to lift. Fears that troubled you may turn out to be groundless. Deception may be uncovered and the truth may come out. You can see your situation more clearly now. Let go of the worries of the past."},
    // 17 The Star
    {"This is a card of hope and renewal. After a difficult time you may find peace and healing. Your faith in the future is restored. Inspiration and new opportunities come your way. Follow your dreams with confidence and generosity.",
     "You may be losing hope and faith in yourself. Discouragement may keep you from pursuing your dreams. You may feel uninspired and disconnected. Do not give in to despair. Small steps will help you find your way back to hope."},
    // 18 The Sun
    {"This signifies joy, success and vitality. Happiness may come in your personal life and at work. Your health and energy are good. Achievements will be recognised. This is a time of warmth, optimism and clear understanding.",
     "Your happiness may be clouded for a while. Success may come later than you hoped. You may lack enthusiasm or be too sure of yourself. Plans may be delayed. The difficulties are passing and better days lie ahead."},
    // 19 The Tower
    {"Sudden and unexpected change may shake your life. Old structures that were built on false foundations may collapse. This may be painful but it clears the way for something better. A sudden revelation may open your eyes to the truth.",
     "You may be resisting a change that cannot be avoided. Fear of upheaval may keep you in a bad situation. A crisis may be delayed but not prevented. You may have narrowly escaped a disaster. Face the change rather than run from it."},
    // 20 The World
    {"This signifies completion, fulfilment and success. A long project or a phase of your life comes to a happy end. You may be rewarded for your efforts. Travel and new horizons may open up. You feel whole and in harmony with the world.",
     "You may feel dissatisfied with life. A feeling of disappointment depresses you. There is a lack of achievement that troubles you. Things may be delayed just when they are about to be completed. Try to overcome frustration and lead a normal life."},
    // 21 Wheel Fortune
    {"You may have some special gains. Your destiny may be changing and you may face advancement in life. You will have good luck and easy progress. Old problems will end and new beginnings will happen.",
     "Your time may not be so good now. You may face a bout of failures and bad luck. Unexpected events may be responsible for your bad fate. There will be lots of difficulties and unwanted delays."},
    // 22 Two of Cups
    {"This signifies a close partnership built on mutual respect and attraction. A new romance or friendship may begin. Differences can be reconciled. There is harmony and understanding between two people. A good time for agreements.",
     "A relationship may be out of balance. There may be quarrels, mistrust or a separation. Feelings may not be returned. Partners may be drifting apart. Honest communication is needed to restore the bond between you."},
    // 23 Two of Swords
    {"You may be facing a difficult choice and refusing to decide. You may be blocking out your feelings to keep the peace. A stalemate may exist. You need to remove the blindfold and look at the facts before you can move forward.",
     "You may be overwhelmed by information and confused about what to do. Indecision may have gone on too long. Hidden facts may come out and force a decision. You may be caught between two people. Trust your own judgement."},
    // 24 Two of Wands
    {"This signifies planning for the future and making bold decisions. The world is open to you. You may be thinking of travel or of leaving familiar ground. Your plans are ready; now is the time to take the first step with confidence.",
     "Fear of the unknown may keep you from moving forward. Plans may have been made without enough thought. You may feel restless and dissatisfied with your present situation but unwilling to change it. Lack of planning may cause setbacks."},
    // 25 Three of Cups
    {"This is a time for celebration and friendship. There may be a party, a wedding or a happy reunion. You may enjoy the support of a close group of friends. Creative efforts shared with others succeed. Enjoy the good times.",
     "Too much indulgence may spoil the fun. Gossip and jealousy among friends may cause hurt. You may feel left out of a group. A celebration may be cancelled. Do not let a third person come between you and a loved one."},
    // 26 Three of Pentacles
    {"Your skills and hard work will be recognised. Teamwork and cooperation bring success. You may be learning a craft or working on a shared project. Seek the advice of experts and build on the talents of each member of the team.",
     "Skillful work is neglected at the cost of cutting costs. Quality of work may be low. Ambitions may be common place. You may not be sure of the path you have chosen. You may be suffering from low confidence and enthusiasm. The results are disappointing."},
    // 27 Three of Swords
    {"This signifies heartbreak, sorrow and grief. You may be hurt by harsh words, a separation or a betrayal. Painful truths may come to light. Allow yourself to feel the pain and to grieve, because this is the way to healing.",
     "Skillful work is neglected at the cost of cutting costs. Quality of work may be low. Ambitions may be common place. You may not be sure of the path you have chosen. You may be suffering from low confidence and enthusiasm. The results are disappointing."},
    // 28 Three of Wands
    {"Your efforts are beginning to bear fruit. You may look ahead with confidence as your plans expand. Opportunities may come from far away or through trade and travel. This is a time of foresight, growth and new horizons.",
     "Your plans may meet with delays and obstacles. Things may not turn out as you expected. You may feel frustrated that others have let you down. Lack of foresight may cost you. Reconsider your plans before going further."},
    // 29 Four of Cups
    {"You may feel bored and dissatisfied with what you have. You may be so wrapped up in yourself that you fail to see a new offer. This is a time of contemplation. Look around you, because an opportunity may be waiting to be noticed.",
     "You are coming out of a period of apathy. New motivation and a fresh outlook may appear. You may be ready to accept an offer you refused before. Stop dwelling on what you lack and start taking part in life again."},
    // 30 Four of Pentacles
    {"This signifies security, saving and holding on to what you have. Your finances may be stable. But you may be too possessive of money, people or ideas. Being careful is good, but fear of loss should not stop you from sharing.",
     "You may be too greedy or too careless with money. Overspending may put your security at risk. You may be forced to let go of something you held on to tightly. Learn the difference between being careful and being mean."},
    // 31 Four of Swords
    {"This is a time for rest and recovery. You may need to withdraw for a while to regain your strength. Take a break from your problems and reflect quietly. Recovery from illness or stress is indicated. Peace will restore you.",
     "You may be pushing yourself too hard and refusing to rest. Burnout and exhaustion may follow. You may feel restless after a period of inactivity. It may be time to return to the world, but do so slowly and with care."},
    // 32 Four of Wands
    {"This signifies celebration, harmony and a happy home. There may be a wedding, a homecoming or a family gathering. A project has reached a stage worth celebrating. You can enjoy the stability and the support of those around you.",
     "There may be tension or instability at home. Plans for a celebration may be disrupted. You may feel unwelcome or unsettled during a time of transition. A lack of harmony in the family needs attention. Things will settle down in time."},
    // 33 Five of Cups
    {"You may be grieving over a loss or a disappointment. Regret may keep you focused on what has gone wrong. But not everything is lost. Turn around and you will see that something of value still remains for you to build on.",
     "You are ready to accept your loss and move on. Forgiveness of yourself and of others becomes possible. Old sorrows lose their hold over you. You may meet old friends again. Look to the future with renewed hope."},
    // 34 Five of Pentacles
    {"This signifies hardship, poverty or poor health. You may feel left out in the cold and alone with your problems. Financial worries may trouble you. Help is closer than you think, but you need to ask for it and accept it.",
     "The hard times are coming to an end. Your finances or your health may begin to recover. You may find help from unexpected quarters. Spiritual and material poverty are easing. Accept the support that is offered to you."},
    // 35 Five of Swords
    {"There may be conflict, defeat or a victory gained at too great a cost. Someone may be acting selfishly or dishonestly. Winning at any price may leave you without friends. Consider whether the fight is really worth it.",
     "The time has come to make peace and put past quarrels behind you. You may wish to make amends for harm done. Old resentments may still linger, so be honest about them. Walking away from a pointless fight is a victory too."},
    // 36 Five of Wands
    {"This signifies competition, rivalry and minor conflicts. There may be disagreements at work or among friends. Different opinions clash. The struggle can be healthy if it pushes you to improve, but avoid petty squabbles.",
     "You may be avoiding conflict at any cost, even when something needs to be said. Inner conflict may trouble you. Tensions may be coming to an end and a resolution is near. Cooperation will achieve more than competition."},
    // 37 Six of Cups
    {"This is a card of happy memories, childhood and innocence. Someone from the past may return to your life. You may enjoy simple pleasures and acts of kindness. A gift or a visit may bring back pleasant memories of home.",
     "You may be living too much in the past. Nostalgia may prevent you from facing the present. Old memories may be less rosy than you remember. It is time to grow up, let go of the past and take charge of your life today."},
    // 38 Six of Pentacles
    {"This signifies generosity, charity and sharing. You may receive help, a gift or a loan when you need it, or be in a position to help others. Money may flow fairly between giving and receiving. Kindness will be rewarded.",
     "Generosity may come with strings attached. You may be in debt or unable to repay what you owe. Someone may use gifts to gain power over you. Be careful of one-sided arrangements. Give and receive fairly and without conditions."},
    // 39 Six of Swords
    {"You are moving away from a difficult period towards calmer times. This may be a journey, a move or a change of mind. The worst is behind you. The transition may be sad, but it brings relief and a fresh start.",
     "You may be resisting a change that would do you good. Unfinished business may hold you back. A planned journey may be delayed. Problems may follow you if you move on without facing them. Deal with what is left behind."},
    // 40 Six of Wands
    {"This signifies victory, recognition and public success. Your efforts will be rewarded and others will praise you. Good news may arrive. Confidence is high and you may take a leading role. Enjoy your success with humility.",
     "Success may be delayed or may not be recognised. Pride and arrogance may lead to a fall. You may be too dependent on the approval of others. A promotion or a reward may go to someone else. Stay modest and keep working."},
    // 41 Seven of Cups
    {"You may have many choices before you, but not all of them are real. Wishful thinking and daydreams may cloud your judgement. Some options may be illusions. Look closely at each possibility and choose with a clear mind.",
     "The fog is clearing and you can see your options for what they are. You are ready to make a firm decision. Illusions are falling away. You may stop dreaming and take practical steps towards the goal that really matters to you."},
    // 42 Seven of Pentacles
    {"You have worked hard and now you need patience while your efforts grow. This is a time to assess your progress. Long term investments may pay off. Do not give up now; the harvest will come in its own good time.",
     "You may be impatient for results that do not come. Your efforts may not be paying off. You may have invested time or money in the wrong place. Consider whether to change your approach instead of working harder at the same thing."},
    // 43 Seven of Swords
    {"Someone may be acting deceptively or getting away with something. You may be tempted to take a shortcut or to act alone. Be careful whom you trust. Strategy and cunning may help you, but dishonesty will be found out.",
     "A deception may come to light. You may feel the need to confess or come clean. Your conscience may trouble you. Stolen or lost things may be returned. Honest advice from others may help you out of a difficult situation."},
    // 44 Seven of Wands
    {"You may have to defend your position against others. Challenges and competition are strong, but you have the advantage. Stand firm and believe in yourself. Perseverance and courage will help you hold your ground.",
     "You may feel overwhelmed and ready to give up. The pressure from others may seem too great. You may doubt your own position. Do not surrender too easily, but choose your battles wisely and let go of those not worth fighting."},
    // 45 Eight of Cups
    {"You may decide to walk away from a situation that no longer satisfies you. Something is missing, even if all looks well on the surface. This is a search for deeper meaning. Leaving may be hard, but it is necessary.",
     "You may be afraid to leave a situation even though it makes you unhappy. Or you may be drifting from one thing to another without direction. Ask yourself what you really want before you either stay or go."},
    // 46 Eight of Pentacles
    {"This signifies hard work, diligence and mastery of a skill. You may be learning a trade or improving your abilities. Attention to detail brings good results. Steady effort will be rewarded with success and financial gain.",
     "You may lack the focus or the interest to do good work. Work may be careless or repetitive. Perfectionism may also stop you from finishing anything. You may be in the wrong job. Find work that truly holds your interest."},
    // 47 Eight of Swords
    {"You may feel trapped and powerless in a difficult situation. But the bonds are often of your own making. Fear and negative thoughts keep you from seeing the way out. You are freer than you believe; take the first step.",
     "You are beginning to free yourself from restrictions. A new way of looking at your problems shows you the way out. Fears lose their power over you. You may take back control of your life and accept responsibility for it."},
    // 48 Eight of Wands
    {"Things are moving fast. News, messages or sudden progress may arrive. Travel, especially by air, may be indicated. This is a time for swift action. Matters that were delayed now move forward quickly towards their conclusion.",
     "Delays and frustration may slow your plans. Messages may be lost or misunderstood. Acting in haste may lead to mistakes. Travel plans may be disrupted. Slow down and wait for the right moment before you act."},
    // 49 Nine of Cups
    {"This is known as the wish card. Your wishes may come true. You may feel satisfied and content with your life. Emotional and material comfort is yours to enjoy. Good health and pleasure are indicated. Count your blessings.",
     "Your wishes may not come true, or what you wished for may not satisfy you. You may be smug or overindulgent. Material comfort alone will not bring happiness. Look for what truly fulfils you rather than what looks good."},
    // 50 Nine of Pentacles
    {"This signifies abundance, comfort and independence. Your hard work has paid off and you can enjoy the results. You may be financially secure and self sufficient. You have the freedom to enjoy the finer things of life.",
     "You may be working too hard to enjoy what you have. Financial setbacks may threaten your independence. You may depend too much on others for your comfort. Be careful with money and do not live beyond your means."},
    // 51 Nine of Swords
    {"You may be troubled by worry, anxiety and sleepless nights. Fears may seem worse than they really are. Guilt or regret may weigh on your mind. Share your troubles with someone you trust; the situation is not hopeless.",
     "The worst of your anxiety may be passing. You are beginning to see that your fears were exaggerated. Reaching out for help brings relief. But if you keep your worries bottled up, they may grow deeper. Seek support."},
    // 52 Nine of Wands
    {"You have come through many struggles and you are nearly at the end. Although tired, you are resilient and ready to defend what you have. Persist a little longer. Be on guard but do not let past hurts make you suspicious.",
     "You may be exhausted and ready to give up. You may feel that everyone is against you. Stubbornness may keep you fighting a lost battle. Rest and accept help from others. Do not let suspicion isolate you from friends."},
    // 53 Ten of Cups
    {"This signifies lasting happiness, family harmony and emotional fulfilment. Your home life may be blessed with love and peace. Relationships are strong. This is a time to enjoy the company of those you love most.",
     "There may be conflict or unhappiness in the family. Values may clash between family members. A relationship may not live up to your hopes. The picture of a perfect home may be hiding problems. Work on honest communication."},
    // 54 Ten of Pentacles
    {"This signifies wealth, inheritance and lasting security. Family ties and traditions are strong. You may benefit from a family business or a legacy. Long term plans succeed. Prosperity will be passed down through the generations.",
     "There may be disputes over money, property or an inheritance. Family ties may be strained. Financial security may be at risk through poor decisions. Do not take unnecessary risks with what has been built up over years."},
    // 55 Ten of Swords
    {"This signifies a painful ending. You may feel betrayed, defeated or at rock bottom. The situation is as bad as it can get, but it cannot get worse. The end of this cycle makes way for a new day. Let go and begin again.",
     "The worst is over and recovery has begun. You may be healing from a painful loss. Do not keep reopening old wounds. You may resist an ending that cannot be avoided, which only prolongs the pain. Accept it and move on."},
    // 56 Ten of Wands
    {"You may be carrying too heavy a burden. Too many responsibilities and too much work may wear you down. Success has brought extra duties. Ask yourself what you can set down or share with others before it becomes too much.",
     "You may finally be letting go of burdens that were not yours to carry. Learning to delegate will ease your load. Or you may be close to collapse from taking on too much. Say no to extra duties and look after yourself."},
    // 57 Ace of Cups
    {"This signifies new love, joy and emotional fulfilment. A new relationship or a deepening of an existing one may begin. Your heart is open to giving and receiving love. There may be news of a birth or a happy event.",
     "Your emotions may be blocked or held back. You may feel empty or unloved. A relationship may not develop as you hoped. You may be giving too much and receiving too little. Open your heart to yourself first."},
    // 58 Ace of Pentacles
    {"This signifies a new financial opportunity or the start of prosperity. A new job, business or investment may come your way. Your efforts may bring material reward. This is a good foundation on which to build security.",
     "An opportunity for gain may be missed or may not turn out well. Poor planning may lead to financial loss. Be careful with new investments. Greed may cloud your judgement. Look closely at any offer before you accept it."},
    // 59 Ace of Swords
    {"This signifies a breakthrough, clarity and truth. A new idea or a clear understanding may cut through confusion. You have the mental strength to succeed. Justice will be done. This is a good time for decisions and new plans.",
     "You may be confused and unable to think clearly. Ideas may not work out. Power may be misused or words may be used to hurt. Decisions made now may be wrong. Wait until your mind is clear before acting."},
    // 60 Ace of Wands
    {"This signifies new energy, inspiration and a creative spark. A new venture, project or idea may begin. You are full of enthusiasm and drive. This is the right time to start something new and to follow your passion.",
     "A new venture may be delayed or may not get off the ground. You may lack energy or motivation. Creative ideas may be blocked. Plans may have been started without direction. Wait until you are truly ready before beginning."},
    // 61 King of Cups
    {"This represents a kind, wise and caring man who is in control of his feelings. You may receive good advice or support. Emotional balance and diplomacy help you handle difficult situations calmly. Be generous and understanding.",
     "You may be moody or emotionally unbalanced. Someone may use your feelings to manipulate you. A man in your life may be cold or unreliable. Do not let your emotions take control of your actions. Seek calm before you act."},
    // 62 King of Pentacles
    {"This represents a successful, reliable and wealthy man. You may benefit from sound business sense and steady leadership. Financial matters are secure. Hard work has brought you comfort and the respect of others.",
     "Someone may be too greedy or too attached to money and status. Stubbornness may spoil a business deal. Financial decisions may be poor. Do not let material success become the only measure of your worth."},
    // 63 King of Swords
    {"This represents a man of intellect, authority and fairness. Clear thinking and honest judgement will help you. You may need legal or professional advice. Decisions should be made with logic rather than emotion.",
     "Someone may be using power or intelligence to hurt others. Harsh judgement and cruelty may be present. Legal matters may not go well. Be careful of people who are cold and manipulative. Use your mind with compassion."},
    // 64 King of Wands
    {"This represents a natural leader with vision and energy. You may be inspired to take charge and lead others. Bold action and honest enthusiasm will bring success. An entrepreneur or a mentor may help you on your way.",
     "You may be too impulsive or too demanding of others. Arrogance and a quick temper may cause trouble. Someone may be overbearing or set unrealistic goals. Think before you act and listen to the ideas of others."},
    // 65 Knight of Cups
    {"This represents romance, charm and following your heart. An offer, an invitation or a proposal may come your way. A sensitive and creative person may enter your life. You may be guided by your feelings and imagination.",
     "You may be moody, jealous or lost in unrealistic dreams. An offer may not be what it seems. Someone may be charming but unreliable. Keep your feet on the ground and do not let your emotions run away with you."},
    // 66 Knight of Pentacles
    {"This represents hard work, patience and reliability. Slow but steady progress will bring results. You may be responsible and careful with money. Routine and dedication pay off. Finish what you have started.",
     "You may feel bored, stuck or lazy. Work may have become a dull routine. You may be too cautious and miss opportunities. Stubbornness may stop progress. Shake up your routine and set yourself a new goal."},
    // 67 Knight of Swords
    {"This represents ambition, drive and quick action. You may rush forward to achieve your goals with great determination. Ideas and news may come fast. Be bold, but make sure your haste does not hurt those around you.",
     "You may act recklessly without thinking of the consequences. Your mind may be scattered and unfocused. Harsh words may cause hurt. Someone may be aggressive or impatient. Slow down and plan before you charge ahead."},
    // 68 Knight of Wands
    {"This represents energy, passion and adventure. You may feel ready to travel or to start something exciting. Confidence and charm carry you forward. A move or a change of home may be indicated. Enjoy the adventure.",
     "You may be hasty and impulsive, starting things you do not finish. Frustration and delays may hold you back. A journey may be postponed. Someone may be unreliable or quick to anger. Direct your energy carefully."},
    // 69 Page of Cups
    {"This represents a creative opportunity or a happy message. You may receive news of love, a birth or a new friendship. Be open to your intuition and to new feelings. A young person may bring you joy and fresh ideas.",
     "You may be emotionally immature or easily hurt. Creative ideas may be blocked. Bad news or a disappointment in love may come. Someone may be daydreaming instead of acting. Face your feelings with honesty."},
    // 70 Page of Pentacles
    {"This represents study, new goals and a practical opportunity. A new job, course or financial offer may come your way. You are eager to learn and willing to work. Good news about money may arrive. Plan carefully and persevere.",
     "You may lack the focus to make progress. Procrastination and poor planning may hold you back. Studies may suffer. You may have ideas but never act on them. Set realistic goals and take the first practical step."},
    // 71 Page of Swords
    {"This represents curiosity, new ideas and a thirst for knowledge. You may be eager to learn and to speak your mind. News may be on its way. Stay alert and watchful, because information is important at this time.",
     "Gossip and careless words may cause trouble. Someone may be spying or spreading lies. You may speak before you think. Plans may lack substance. Be careful what you say and check the facts before you believe them."},
    // 72 Page of Wands
    {"This represents enthusiasm, discovery and good news. A new idea, a journey or an opportunity may excite you. You are eager to explore and try new things. A young and lively person may bring you a message.",
     "You may lack direction or give up too quickly. Bad news or setbacks may dampen your spirits. Plans may be started but left unfinished. Someone may be immature or unreliable. Take time to find a purpose before you begin."},
    // 73 Queen of Cups
    {"This represents a caring, intuitive and compassionate woman. You may receive emotional support and understanding. Trust your feelings and your intuition. Your calm and loving nature will help those around you.",
     "You may be too dependent on others or too easily hurt. Emotional insecurity may lead you to give too much of yourself. Someone may be moody or play the martyr. Take care of your own feelings before caring for others."},
    // 74 Queen of Pentacles
    {"This represents a warm, practical and generous woman. Home and work are in good balance. You can provide comfort and security for yourself and others. Financial matters are well managed. Enjoy the comfort of your home.",
     "You may be neglecting yourself while caring for others. Work and home may be out of balance. Financial insecurity may worry you. Someone may be jealous or possessive. Look after your own needs and health."},
    // 75 Queen of Swords
    {"This represents an independent and clear thinking woman. Honest and direct communication will help you. You may set firm boundaries and speak the truth. Experience and sorrow have made you wise. Use your judgement.",
     "Someone may be cold, bitter or cruel with words. You may be too critical of yourself or of others. Past hurts may have made you harsh. Be careful not to shut out love. Speak the truth but speak it with kindness."},
    // 76 Queen of Wands
    {"This represents a confident, warm and determined woman. You have the energy and the courage to achieve your goals. Your enthusiasm inspires others. Social life and creative work flourish. Be bold and believe in yourself.",
     "You may be jealous, demanding or quick to anger. Self confidence may have turned into selfishness. You may feel drained and unable to cope. Someone may try to control you. Calm down and regain your own balance."},
    // 77 Two of Pentacles
    {"There is a need for maintaining a good budget and taking care of finances. You may be good at handling multiple tasks. This is the beginning of a new venture where a lot of effort is required. You need to be flexible and highly energetic. This is a symbol of fun and good times.",
     "You may not be able to handle multiple matters. You may spend beyond your means as there is no proper planning. You need to recognize the signs indicating trouble. You may reckless and rash. Projects may not be completed."},
}};

} // namespace kestrune::deck
